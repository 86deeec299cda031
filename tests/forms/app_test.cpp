#include "forms/app.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(App, ArgumentTextIsWhatFollowsTheProgramName) {
  const struct {
    const char* commandLine;
    const char* expected;
  } cases[] = {
      /* 0 */ {"\"C:\\Program Files\\Kovaro\\Kovaro.scr\" /s", "/s"},
      /* 1 */ {"C:\\WINDOWS\\Kovaro.scr /p 1234", "/p 1234"},
      /* 2 */ {"Kovaro.scr", ""},
      /* 3 */ {"\"Kovaro.scr\"", ""},
      /* 4 */ {"\"Kovaro.scr\"/c:12", "/c:12"},
      /* 5 */ {"Kovaro.scr \t  /c:12 ", "/c:12 "},
      /* 6 */ {"Kovaro.scr\t-s", "-s"},
      /* 7 */ {"", ""},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(forms::ArgumentText(cases[i].commandLine), cases[i].expected) << "row " << i;
  }
}

TEST(App, FolderHasNoTrailingBackslashButAtADriveRoot) {
  EXPECT_EQ(forms::FolderOf("C:\\Program Files\\Kovaro\\Kovaro.scr"), "C:\\Program Files\\Kovaro");
  EXPECT_EQ(forms::FolderOf("C:\\Kovaro.scr"), "C:\\");
  EXPECT_EQ(forms::FolderOf("C:\\表\\Kovaro.scr"), "C:\\表");
  // The last byte of "ソ" is 5C: not a backslash.
  EXPECT_EQ(forms::FolderOf("C:\\dir\\kソ"), "C:\\dir");
}

TEST(App, AppPathIsTheFolderOfThisExecutable) {
  const std::string folder = forms::AppPath();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_NE(GetFileAttributesA((folder + "\\forms_test.exe").c_str()), INVALID_FILE_ATTRIBUTES);

  forms::SetAppPathForTesting("C:\\elsewhere");
  EXPECT_EQ(forms::AppPath(), "C:\\elsewhere");
  forms::SetAppPathForTesting("");
  EXPECT_EQ(forms::AppPath(), folder);
}

TEST(App, EndExitsTheProcessAtOnce) {
  EXPECT_EXIT(forms::End(), testing::ExitedWithCode(0), "");
}

}  // namespace
