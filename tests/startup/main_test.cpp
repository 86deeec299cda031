// The roads of a start, seen from outside: the saver runs in a fresh folder
// beside a stand-in visual program, and the test watches its windows, the
// stand-in's record and the process's end.
#include "startup/main.h"

#include <gtest/gtest.h>

#include "support/saver_folder.h"

namespace {

using test::Process;
using test::SaverFolder;
using test::WaitForWindow;

const std::string kSaver = test::BuiltFile(KOVARO_SCR);
const std::string kRecordingSaver = test::BuiltFile(RECORDING_SAVER);
const std::string kStandIn = test::BuiltFile(STANDIN_VISUAL);

TEST(Main, ModeLetterIsTheSecondCharacterUpperCased) {
  const struct {
    const char* text;
    const char* letter;
  } cases[] = {
      /* 0 */ {"/s", "S"}, /* 1 */ {"/S", "S"},      /* 2 */ {"-s", "S"},
      /* 3 */ {"", ""},    /* 4 */ {"s", ""},        /* 5 */ {"/p 1234", "P"},
      /* 6 */ {"/c:1234", "C"}, /* 7 */ {"/a 1", "A"}, /* 8 */ {"xs", "S"},
      /* 9 */ {"/表", "表"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Kovaro_B::ModeLetter(cases[i].text), cases[i].letter) << "row " << i;
  }
}

// A folder with the saver and the stand-in.
class ReadyFolder : public SaverFolder {
 public:
  explicit ReadyFolder(const std::string& saver = kSaver) {
    InstallSaver(saver);
    InstallVisual(kStandIn);
  }
};

// Expects a full run: the hidden run form comes up, the visual program starts,
// and the saver ends once the visual program's window has closed.
void ExpectRun(const SaverFolder& folder, const Process& saver, const std::string& what) {
  const HWND run = WaitForWindow("Kovaro_Main", 5000, saver.Id());
  ASSERT_NE(run, nullptr) << what;
  const HWND visual = folder.WaitForVisualWindow(5000);
  ASSERT_NE(visual, nullptr) << what;
  EXPECT_EQ(folder.Lines("visual.log").size(), 1u) << what;
  EXPECT_FALSE(saver.WaitExit(100)) << what << ": the run goes on while the picture shows";
  PostMessageA(visual, WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.WaitExit(2000)) << what;
  EXPECT_EQ(saver.ExitCode(), 0u) << what;
}

// Expects a silent end without a run.
void ExpectQuietEnd(const SaverFolder& folder, const Process& saver, const std::string& what) {
  ASSERT_TRUE(saver.WaitExit(5000)) << what;
  EXPECT_EQ(saver.ExitCode(), 0u) << what;
  EXPECT_TRUE(folder.Lines("visual.log").empty()) << what << ": the visual program was started";
}

TEST(Main, EveryArgumentTextTakesItsRoad) {
  const struct {
    const char* args;
    bool runs;
  } cases[] = {
      /* 0 */ {"/s", true},
      /* 1 */ {"/S", true},
      /* 2 */ {"-s", true},
      /* 3 */ {"", true},
      /* 4 */ {"/c", false},  // the settings dialog is not built yet: the program ends
      /* 5 */ {"/c:1234", false},
      /* 6 */ {"/a 1", false},
      /* 7 */ {"/x", false},
      /* 8 */ {"s", false},
      /* 9 */ {"/p 1234", false},  // 1234 names no window: the preview ends at once
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const ReadyFolder folder;
    const Process saver = folder.Start(cases[i].args);
    ASSERT_TRUE(saver.Started());
    const std::string what = "row " + std::to_string(i) + " \"" + cases[i].args + "\"";
    if (cases[i].runs) {
      ExpectRun(folder, saver, what);
    } else {
      ExpectQuietEnd(folder, saver, what);
    }
  }
}

TEST(Main, ARunningInstanceEndsEveryStart) {
  for (const char* marker : {"Kovaro_Main", "<Kovaro>"}) {
    const test::MarkerWindow window(marker);
    ASSERT_NE(window.hWnd(), nullptr);
    for (const char* args : {"/s", "", "/c", "/p 1234"}) {
      const ReadyFolder folder;
      const Process saver = folder.Start(args);
      ExpectQuietEnd(folder, saver, std::string(marker) + " with \"" + args + "\"");
    }
  }
  // A running preview blocks nothing.
  const test::MarkerWindow preview("Preview Window");
  const ReadyFolder folder;
  ExpectRun(folder, folder.Start("/s"), "beside a preview");
}

TEST(Main, BothInstanceLookUpsAreAlwaysMadeInOrder) {
  const test::MarkerWindow window("Kovaro_Main");
  const ReadyFolder folder(kRecordingSaver);
  const Process saver = folder.Start("/s");
  ASSERT_TRUE(saver.WaitExit(5000));
  EXPECT_EQ(folder.Lines("calls.log"),
            (std::vector<std::string>{"FindWindowA Kovaro_Main", "FindWindowA <Kovaro>"}));
}

bool Shown(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  return control && IsWindowVisible(control);
}

TEST(Main, AMissingVisualProgramIsTheOneMessage) {
  for (const char* args : {"/s", "/c", "/x"}) {
    SaverFolder folder;
    folder.InstallSaver(kSaver);
    const Process saver = folder.Start(args);
    const HWND box = test::WaitForWindowOfClass("#32770", saver.Id(), 5000);
    ASSERT_NE(box, nullptr) << args;
    // The box is made a moment before it is filled in and shown.
    ASSERT_TRUE(test::WaitUntil([&] { return IsWindowVisible(box) != FALSE; }, 3000)) << args;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message box's text
    EXPECT_STREQ(text, Kovaro_B::kVisualMissing) << args;
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "Kovaro") << args;
    EXPECT_TRUE(Shown(box, IDOK)) << args;
    for (int other : {IDCANCEL, IDYES, IDNO, IDRETRY, IDABORT, IDIGNORE}) {
      EXPECT_FALSE(Shown(box, other)) << args << " button " << other;
    }
    // No icon: its control (20 on Windows, 0x440 on Wine) holds none.
    for (int icon : {20, 0x440}) {
      EXPECT_EQ(SendDlgItemMessageA(box, icon, STM_GETICON, 0, 0), 0) << args;
    }
    EXPECT_FALSE(saver.WaitExit(100)) << args << ": it waits for the box";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(saver.WaitExit(3000)) << args;
  }
  // The preview does not need the visual program.
  SaverFolder folder;
  folder.InstallSaver(kSaver);
  const Process saver = folder.Start("/p 1234");
  ASSERT_TRUE(saver.WaitExit(5000));
  EXPECT_EQ(test::WaitForWindowOfClass("#32770", saver.Id(), 0), nullptr);
}

}  // namespace
