#include "forms/app.h"

#include <vector>

#include "forms/form.h"
#include "forms/text.h"

namespace forms {

std::string FolderOf(std::string_view modulePath) {
  // Walk by characters: a trail byte may be 0x5C, which is not a backslash.
  std::string folder(modulePath);
  while (!folder.empty() && RightChars(folder, 1) != "\\") folder = DropLastChar(folder);
  if (folder.empty()) return folder;
  std::string withoutSlash = DropLastChar(folder);
  // A drive root keeps its backslash ("C:\"), every other folder loses it.
  if (withoutSlash.size() == 2 && withoutSlash[1] == ':') return folder;
  return withoutSlash;
}

namespace {
std::string& AppPathOverride() {
  static std::string folder;
  return folder;
}
}  // namespace

void SetAppPathForTesting(std::string folder) { AppPathOverride() = std::move(folder); }

std::string AppPath() {
  if (!AppPathOverride().empty()) return AppPathOverride();
  std::vector<char> buffer(32768, '\0');
  const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  return FolderOf(std::string_view(buffer.data(), length));
}

std::string ArgumentText(std::string_view commandLine) {
  std::size_t i = 0;
  if (i < commandLine.size() && commandLine[i] == '"') {
    // A quoted name runs to the closing quote.
    ++i;
    while (i < commandLine.size() && commandLine[i] != '"') ++i;
    if (i < commandLine.size()) ++i;
  } else {
    while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
  }
  while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
  return std::string(commandLine.substr(i));
}

std::string Command() { return ArgumentText(GetCommandLineA()); }

HINSTANCE AppInstance() { return GetModuleHandleA(nullptr); }

int MsgBox(const std::string& text, UINT flags) {
  return MessageBoxA(nullptr, text.c_str(), kAppTitle, flags);
}

int Run(void (*startup)()) {
  startup();
  RunMessageLoop();
  return 0;
}

void End() { ExitProcess(0); }

}  // namespace forms
