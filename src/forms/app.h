// The application services of the forms runtime: what the program knows of
// itself (its folder, its argument text, its instance), its one message box,
// and how it runs and ends.
//
//   Run(startup): calls startup, then runs the message loop for as long as any
//   form is loaded (see form.h), then returns the exit code 0.
//   End(): the process exits at once; no form gets its unload events.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace forms {

// The application's title: the caption of the message box.
inline constexpr char kAppTitle[] = "Kovaro";

// The executable's folder, without a trailing backslash except at the root of a
// drive ("C:\").
std::string AppPath();
// The folder part of a module path, by the rule above.
std::string FolderOf(std::string_view modulePath);
// Tests put the program's files in a folder of their own; empty text undoes it.
void SetAppPathForTesting(std::string folder);

// The argument text: the command line after the program's own name (quoted or
// not), without the blanks that separate the two.
std::string Command();
std::string ArgumentText(std::string_view commandLine);

// The module instance handle of the executable.
HINSTANCE AppInstance();

// A message box titled kAppTitle; flags are MessageBoxA's (MB_OK, ...).
int MsgBox(const std::string& text, UINT flags);

int Run(void (*startup)());
[[noreturn]] void End();

}  // namespace forms
