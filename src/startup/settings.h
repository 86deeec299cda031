// The settings file "Kovaro.ini" beside the executable: one section "Section"
// with the keys below, read and written only through Windows' profile
// functions, so names and values are stored in the ANSI code page.
//
//   GetIni      one value, or empty text when file, section, key or value is
//               missing; a value comes back cut to its first 255 bytes.
//   PutIni      writes one value unchanged (blanks included); always returns
//               empty text, and reports no failure.
//   LoadSettings fills BGM_Kind, BGM_RepeatTrack and BGM_File (kovaro_bgm.h):
//               numbers that are not numbers or lie outside 16 bits read as 0; a
//               file that cannot be opened is dropped, and then kind 2 becomes 0.
//   FileExists  true when the file can be opened for reading.
#pragma once

#include <string>

namespace Kovaro_B {

inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kKeyKind[] = "BGM区分";
inline constexpr char kKeyRepeatTrack[] = "BGMﾘﾋﾟｰﾄ";
inline constexpr char kKeyFile[] = "BGMﾌｧｲﾙ";

// The folder followed by "\Kovaro.ini", built anew for every use.
std::string SettingsPath();

std::string GetIni(const std::string& section, const std::string& key, const std::string& file);
std::string PutIni(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file);
void LoadSettings();
bool FileExists(const std::string& path);

}  // namespace Kovaro_B
