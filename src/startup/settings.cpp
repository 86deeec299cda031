#include "startup/settings.h"

#include <windows.h>

#include "bgm/kovaro_bgm.h"
#include "forms/app.h"
#include "forms/text.h"
#include "startup/number.h"

namespace Kovaro_B {

using namespace Kovaro_BGM;

std::string SettingsPath() { return forms::AppPath() + "\\Kovaro.ini"; }

std::string GetIni(const std::string& section, const std::string& key, const std::string& file) {
  char reply[256] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", reply, sizeof reply, file.c_str());
  return std::string(reply);  // up to the first NUL
}

std::string PutIni(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) {
  // Names travel in fields of 128 characters: a longer name is cut to them.
  const std::string sectionField = forms::LeftChars(section, 128);
  const std::string keyField = forms::LeftChars(key, 128);
  WritePrivateProfileStringA(sectionField.c_str(), keyField.c_str(), value.c_str(), file.c_str());
  return {};
}

void LoadSettings() {
  const std::string kind = GetIni(kSettingsSection, kKeyKind, SettingsPath());
  BGM_Kind = kind.empty() ? 0 : ReadFloor16(kind).value_or(0);

  const std::string track = GetIni(kSettingsSection, kKeyRepeatTrack, SettingsPath());
  BGM_RepeatTrack = track.empty() ? 0 : ReadFloor16(track).value_or(0);

  // The kind is read first, so a file that has gone missing turns kind 2 off
  // while a CD choice stays.
  BGM_File = GetIni(kSettingsSection, kKeyFile, SettingsPath());
  if (!BGM_File.empty() && !FileExists(BGM_File)) BGM_File.clear();
  if (BGM_File.empty() && BGM_Kind == 2) BGM_Kind = 0;
}

bool FileExists(const std::string& path) {
  std::string name = path;
  if (forms::RightChars(name, 1) == "\\") name = forms::DropLastChar(name);
  if (name.empty()) return false;
  // Opening a folder this way fails, as it should: only a readable file counts.
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace Kovaro_B
