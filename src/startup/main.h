// Main: the first routine of the program, in every mode. It refuses a second
// instance, reads the mode from the argument text and takes one road:
//   "P"            the preview (the settings are not read)
//   "C"            the settings dialog, then the end
//   "S" or no text the full-screen run (for "S" with the cursor hidden)
//   anything else  a silent end
// Every road but the preview first needs Kovaro.dll beside the executable.
#pragma once

#include <string>
#include <string_view>

namespace Kovaro_B {

inline constexpr char kRunMarker[] = "Kovaro_Main";
inline constexpr char kDialogMarker[] = "<Kovaro>";
inline constexpr char kVisualMissing[] = "Kovaro.dll が Kovaro.scr と同じﾌｫﾙﾀﾞに見つかりません！";

// The second character of the upper-cased argument text; empty when the text
// is shorter.
std::string ModeLetter(std::string_view argumentText);

// The executable's folder followed by "\Kovaro.dll".
std::string VisualProgramPath();

void Main();

}  // namespace Kovaro_B
