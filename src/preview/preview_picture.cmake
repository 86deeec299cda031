# Run at build time (cmake -P): puts the preview picture at OUTPUT, taken from
# SOURCE when that file exists, otherwise drawn as a stand-in of the same form
# (152 x 112, baseline JFIF, three components): a spiral of glowing red, yellow
# and green dots on black. OUTPUT only changes when its bytes would.
if(EXISTS "${SOURCE}")
  file(COPY_FILE "${SOURCE}" "${OUTPUT}" ONLY_IF_DIFFERENT)
  return()
endif()

set(standin "${OUTPUT}.standin.jpg")
if(NOT EXISTS "${standin}")
  execute_process(
    COMMAND awk [[BEGIN {
      split("#ff3020 #ffd020 #30ff40", colour, " ")
      for (i = 0; i < 46; i++) {
        t = i * 0.42; r = 3 + t * 3.1; x = 76 + r * cos(t); y = 56 + r * sin(t) * 0.8; d = 1.2 + i * 0.045
        printf "fill %s circle %.1f,%.1f %.1f,%.1f ", colour[i % 3 + 1], x, y, x + d, y
      }
    }]]
    OUTPUT_VARIABLE dots COMMAND_ERROR_IS_FATAL ANY)
  execute_process(
    COMMAND convert -size 152x112 xc:black -draw "${dots}" ( +clone -blur 0x3 )
            -compose plus -composite -type TrueColor -interlace none -quality 92 "jpg:${standin}"
    COMMAND_ERROR_IS_FATAL ANY)
endif()
file(COPY_FILE "${standin}" "${OUTPUT}" ONLY_IF_DIFFERENT)
