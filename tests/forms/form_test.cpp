#include "forms/form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/timer.h"

namespace {

using forms::UnloadMode;

// A form that records its events as text: "load", "query:1", "unload".
class RecordingForm : public forms::Form {
 public:
  explicit RecordingForm(const std::string& caption, bool inTaskbar = true)
      : Form({.caption = caption, .style = WS_POPUP, .showInTaskbar = inTaskbar,
              .left = 0, .top = 0, .width = 64, .height = 48}) {}

  std::vector<std::string> events;
  bool cancelQuery = false;
  bool cancelUnload = false;

 protected:
  void OnLoad() override { events.push_back("load"); }
  void OnQueryUnload(bool& cancel, UnloadMode mode) override {
    events.push_back("query:" + std::to_string(static_cast<int>(mode)));
    cancel = cancelQuery;
  }
  void OnUnload(bool& cancel) override {
    events.push_back("unload");
    cancel = cancelUnload;
  }
};

using Events = std::vector<std::string>;

TEST(Form, LoadMakesAHiddenTitledWindow) {
  RecordingForm form("Kovaro form test 1", false);
  EXPECT_FALSE(form.IsLoaded());
  form.Load();
  ASSERT_TRUE(form.IsLoaded());
  EXPECT_EQ(FindWindowA(nullptr, "Kovaro form test 1"), form.hWnd());
  EXPECT_FALSE(IsWindowVisible(form.hWnd()));
  EXPECT_TRUE(GetWindowLongA(form.hWnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);  // not in the task bar
  EXPECT_EQ(forms::LoadedFormCount(), 1);
  form.Load();  // a second load does nothing
  EXPECT_EQ(form.events, Events{"load"});

  form.Show();
  EXPECT_TRUE(IsWindowVisible(form.hWnd()));
  EXPECT_TRUE(form.Unload());
  EXPECT_EQ(form.events, (Events{"load", "query:1", "unload"}));
  EXPECT_EQ(FindWindowA(nullptr, "Kovaro form test 1"), nullptr);
  EXPECT_EQ(forms::LoadedFormCount(), 0);
}

TEST(Form, EitherHandlerCanRefuseTheUnload) {
  RecordingForm form("Kovaro form test 2");
  form.Load();
  form.cancelQuery = true;
  EXPECT_FALSE(form.Unload());
  form.cancelQuery = false;
  form.cancelUnload = true;
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(form.events, (Events{"load", "query:1", "query:1", "unload"}));
  form.cancelUnload = false;
  EXPECT_TRUE(form.Unload());
}

TEST(Form, ClosingAndSessionEndGoThroughQueryUnload) {
  RecordingForm closed("Kovaro form test 3");
  closed.Load();
  SendMessageA(closed.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(closed.IsLoaded());
  EXPECT_EQ(closed.events, (Events{"load", "query:0", "unload"}));

  RecordingForm ended("Kovaro form test 4");
  ended.Load();
  EXPECT_EQ(SendMessageA(ended.hWnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_FALSE(ended.IsLoaded());
  EXPECT_EQ(ended.events, (Events{"load", "query:2", "unload"}));
}

TEST(Form, AWindowDestroyedFromOutsideIsUnloaded) {
  RecordingForm form("Kovaro form test 5");
  form.Load();
  DestroyWindow(form.hWnd());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.events, (Events{"load", "unload"}));
  EXPECT_EQ(forms::LoadedFormCount(), 0);
}

// A form with two timers: the fast one counts and unloads the form on its
// fifth tick; the other is never enabled.
class TickingForm : public RecordingForm {
 public:
  TickingForm() : RecordingForm("Kovaro form test 6") {}
  int ticks = 0;
  int idleTicks = 0;
  forms::Timer fast{*this, 20, true, [this] {
                      if (++ticks == 5) Unload();
                    }};
  forms::Timer idle{*this, 10, false, [this] { ++idleTicks; }};
};

TEST(Form, MessageLoopRunsWhileAFormIsLoaded) {
  TickingForm form;
  form.Load();
  const DWORD start = GetTickCount();
  forms::RunMessageLoop();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.ticks, 5);
  EXPECT_EQ(form.idleTicks, 0);
  EXPECT_GE(GetTickCount() - start, 80u);  // five 20-ms ticks, give or take the clock's grain
}

TEST(Form, TimersFollowEnabledAndTheirForm) {
  RecordingForm form("Kovaro form test 7");
  int ticks = 0;
  forms::Timer timer(form, 10, true, [&] {
    if (++ticks == 3) timer.SetEnabled(false);
  });
  forms::Timer stopper(form, 200, true, [&] { form.Unload(); });
  form.Load();  // timers made before the load start with it
  forms::RunMessageLoop();
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(timer.Enabled());
}

TEST(Form, ShowModalReturnsOnceTheFormHasUnloaded) {
  RecordingForm other("Kovaro form test 8");
  other.Load();
  RecordingForm dialog("Kovaro form test 9");
  bool otherWasDisabled = false;
  forms::Timer closer(dialog, 30, true, [&] {
    otherWasDisabled = !IsWindowEnabled(other.hWnd());
    dialog.Unload();
  });
  dialog.ShowModal();
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_TRUE(otherWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(other.hWnd()));
  other.Unload();
}

TEST(Form, EndGivesNoUnloadEvents) {
  EXPECT_EXIT(
      {
        class Loud : public forms::Form {
         public:
          Loud() : Form({.caption = "Kovaro form test 10"}) {}
          void OnQueryUnload(bool&, UnloadMode) override { std::fputs("query", stderr); }
          void OnUnload(bool&) override { std::fputs("unload", stderr); }
        } loud;
        loud.Load();
        forms::End();
      },
      testing::ExitedWithCode(0), "^$");
}

}  // namespace
