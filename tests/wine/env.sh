# Sourced with the folder that holds one private Wine set-up ("ROOT"):
#   ROOT/prefix   the Wine prefix, made once by the session script
#   ROOT/home     HOME for Wine, whose .asoundrc sends the default sound device
#                 to the file ROOT/home/audio.raw (raw samples, see below)
#   ROOT/display  the X display of the running session
# Japanese Windows: LANG=ja_JP.UTF-8 gives the ANSI code page 932.
kovaro_wine_root=$(realpath -m "$1")
export WINEPREFIX="$kovaro_wine_root/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: the prefix would try to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export HOME="$kovaro_wine_root/home"
export KOVARO_AUDIO_RAW="$HOME/audio.raw"
# The same file as Windows programs see it (Wine maps Z: to /).
export KOVARO_AUDIO_SINK="Z:${KOVARO_AUDIO_RAW//\//\\}"
if [ -s "$kovaro_wine_root/display" ]; then
  DISPLAY=":$(cat "$kovaro_wine_root/display")"
  export DISPLAY
fi
