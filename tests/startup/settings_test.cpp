#include "startup/settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <windows.h>

#include "bgm/kovaro_bgm.h"
#include "forms/app.h"
#include "support/temp_folder.h"

namespace {

using namespace Kovaro_B;
using namespace Kovaro_BGM;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// Each test works on a Kovaro.ini in a fresh folder that stands in for the
// executable's folder.
class Settings : public testing::Test {
 protected:
  Settings() {
    forms::SetAppPathForTesting(folder.path());
    BGM_Kind = 0;
    BGM_RepeatTrack = 0;
    BGM_File.clear();
  }
  ~Settings() override { forms::SetAppPathForTesting(""); }

  std::string Ini() const { return folder / "Kovaro.ini"; }
  std::string Song() const {
    const std::string path = folder / "song.mp3";
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) WriteFile(path, "ID3");
    return path;
  }

  TempFolder folder;
};

// A settings file with these lines (a key left out when its value is null),
// written byte for byte as a user's editor would leave it.
std::string IniText(const char* kind, const char* track, std::optional<std::string> file) {
  std::string text = "[Section]\r\n";
  if (kind) text += std::string(kKeyKind) + "=" + kind + "\r\n";
  if (track) text += std::string(kKeyRepeatTrack) + "=" + track + "\r\n";
  if (file) text += std::string(kKeyFile) + "=" + *file + "\r\n";
  return text;
}

TEST_F(Settings, NoFileGivesTheDefaults) {
  BGM_Kind = 5;  // LoadSettings sets every variable, whatever was there
  BGM_RepeatTrack = 5;
  BGM_File = "x";
  LoadSettings();
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_RepeatTrack, 0);
  EXPECT_EQ(BGM_File, "");
}

TEST_F(Settings, LoadSettingsReadsNumbersAndChecksTheFile) {
  enum class File { kMissingKey, kEmpty, kExisting, kExistingSlash, kVanished, kFolder };
  const struct {
    const char* kind;
    const char* track;
    File file;
    int expectedKind;
    int expectedTrack;
    bool keepsFile;
  } cases[] = {
      /*  0 */ {"abc", "x", File::kExisting, 0, 0, true},
      /*  1 */ {"2.7", " 3", File::kExisting, 2, 3, true},
      /*  2 */ {"-1", "-0.5", File::kExisting, -1, -1, true},
      /*  3 */ {"-0.5", "99999", File::kMissingKey, -1, 0, false},
      /*  4 */ {"99999", "7", File::kExisting, 0, 7, true},
      /*  5 */ {" 2", " 0", File::kExisting, 2, 0, true},
      /*  6 */ {" 2", nullptr, File::kEmpty, 0, 0, false},
      /*  7 */ {" 2", nullptr, File::kMissingKey, 0, 0, false},
      /*  8 */ {" 2", nullptr, File::kVanished, 0, 0, false},
      /*  9 */ {" 1", " 4", File::kVanished, 1, 4, false},
      /* 10 */ {" 0", nullptr, File::kExisting, 0, 0, true},
      /* 11 */ {" 2", nullptr, File::kExistingSlash, 2, 0, true},
      /* 12 */ {" 2", nullptr, File::kFolder, 0, 0, false},
      /* 13 */ {" 3", nullptr, File::kExisting, 3, 0, true},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    std::optional<std::string> file;
    switch (c.file) {
      case File::kMissingKey: break;
      case File::kEmpty: file = ""; break;
      case File::kExisting: file = Song(); break;
      case File::kExistingSlash: file = Song() + "\\"; break;
      case File::kVanished: file = folder / "gone.mp3"; break;
      case File::kFolder: file = folder.path(); break;
    }
    const std::string text = IniText(c.kind, c.track, file);
    WriteFile(Ini(), text);
    LoadSettings();
    EXPECT_EQ(BGM_Kind, c.expectedKind) << "row " << i;
    EXPECT_EQ(BGM_RepeatTrack, c.expectedTrack) << "row " << i;
    EXPECT_EQ(BGM_File, c.keepsFile ? *file : "") << "row " << i;
    EXPECT_EQ(ReadFile(Ini()), text) << "row " << i << ": reading never changes the file";
  }
}

TEST_F(Settings, KeysReachTheFileAsCodePage932Bytes) {
  ASSERT_EQ(GetACP(), 932u);
  PutIni(kSettingsSection, kKeyKind, " 2", Ini());
  PutIni(kSettingsSection, kKeyRepeatTrack, " 0", Ini());
  PutIni(kSettingsSection, kKeyFile, Song(), Ini());
  const std::string bytes = ReadFile(Ini());
  EXPECT_NE(bytes.find("[Section]"), std::string::npos);
  EXPECT_NE(bytes.find("\x42\x47\x4D\x8B\xE6\x95\xAA="), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4="), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("\x42\x47\x4D\xCC\xA7\xB2\xD9="), std::string::npos) << bytes;

  LoadSettings();
  EXPECT_EQ(BGM_Kind, 2);
  EXPECT_EQ(BGM_RepeatTrack, 0);
  EXPECT_EQ(BGM_File, Song());
}

TEST_F(Settings, PutIniWritesValuesThatReadBackUnchanged) {
  const struct {
    const char* value;
    const char* readBack;
  } cases[] = {
      /* 0 */ {" 15", "15"},  // the profile functions drop a leading blank when reading
      /* 1 */ {"-3", "-3"},
      /* 2 */ {"", ""},
      /* 3 */ {"C:\\音楽\\表 ソ.mp3", "C:\\音楽\\表 ソ.mp3"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(PutIni(kSettingsSection, kKeyFile, cases[i].value, Ini()), "") << "row " << i;
    EXPECT_EQ(GetIni(kSettingsSection, kKeyFile, Ini()), cases[i].readBack) << "row " << i;
  }
  // An empty value keeps the key.
  EXPECT_NE(ReadFile(Ini()).find(std::string(kKeyFile) + "="), std::string::npos);
  // Written numbers read back as the same numbers.
  PutIni(kSettingsSection, kKeyKind, " 1", Ini());
  PutIni(kSettingsSection, kKeyRepeatTrack, "-3", Ini());
  LoadSettings();
  EXPECT_EQ(BGM_Kind, 1);
  EXPECT_EQ(BGM_RepeatTrack, -3);
}

TEST_F(Settings, LongNamesAndValuesAreCut) {
  // A value comes back cut to its first 255 bytes; such a path then fails the test.
  const std::string longPath = folder.path() + "\\" + std::string(300, 'a') + ".mp3";
  PutIni(kSettingsSection, kKeyFile, longPath, Ini());
  EXPECT_EQ(GetIni(kSettingsSection, kKeyFile, Ini()), longPath.substr(0, 255));
  PutIni(kSettingsSection, kKeyKind, " 2", Ini());
  LoadSettings();
  EXPECT_EQ(BGM_File, "");
  EXPECT_EQ(BGM_Kind, 0);

  // Names travel in 128-character fields.
  const std::string longKey(130, 'k');
  PutIni(kSettingsSection, longKey, "v", Ini());
  EXPECT_EQ(GetIni(kSettingsSection, longKey.substr(0, 128), Ini()), "v");
  EXPECT_EQ(GetIni(kSettingsSection, longKey, Ini()), "");
}

TEST_F(Settings, FileExistsOpensFilesOnly) {
  WriteFile(folder / "表", "x");  // its last byte is 5C, which is no backslash
  const struct {
    std::string path;
    bool expected;
  } cases[] = {
      /* 0 */ {Song(), true},
      /* 1 */ {Song() + "\\", true},
      /* 2 */ {folder / "表", true},
      /* 3 */ {folder / "gone.mp3", false},
      /* 4 */ {folder.path(), false},
      /* 5 */ {folder.path() + "\\", false},
      /* 6 */ {"", false},
      /* 7 */ {"\\", false},
      /* 8 */ {Song() + "\\\\", false},  // only one backslash is taken off
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string before = cases[i].path;
    EXPECT_EQ(FileExists(cases[i].path), cases[i].expected) << "row " << i << " " << before;
    EXPECT_EQ(cases[i].path, before);
  }
}

TEST_F(Settings, BadSettingsFilesNeverCrash) {
  // Random bytes.
  std::mt19937 random(932);
  std::string noise(64 * 1024, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  WriteFile(Ini(), noise);
  LoadSettings();

  // A value line of a megabyte.
  WriteFile(Ini(), "[Section]\r\n" + std::string(kKeyFile) + "=" + std::string(1 << 20, 'x') + "\r\n" +
                       std::string(kKeyKind) + "=2\r\n");
  LoadSettings();
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_File, "");

  // A settings "file" that is a folder.
  DeleteFileA(Ini().c_str());
  ASSERT_TRUE(CreateDirectoryA(Ini().c_str(), nullptr));
  LoadSettings();
  EXPECT_EQ(BGM_Kind, 0);
  EXPECT_EQ(BGM_RepeatTrack, 0);
  EXPECT_EQ(BGM_File, "");
  EXPECT_EQ(PutIni(kSettingsSection, kKeyKind, " 1", Ini()), "");
  EXPECT_EQ(GetIni(kSettingsSection, kKeyKind, Ini()), "");
}

}  // namespace
