#include "end_rules.h"

#include <gtest/gtest.h>

namespace {

using visual::Reaction;

TEST(EndRules, PointerCountsOnlyRealMotion) {
  const struct {
    POINT now;
    bool moved;
  } cases[] = {
      /* 0 */ {{500, 400}, false},  // a move message without motion
      /* 1 */ {{501, 400}, false},  /* 2 */ {{502, 398}, false},
      /* 3 */ {{504, 396}, false},  /* 4 */ {{505, 400}, true},
      /* 5 */ {{500, 395}, true},   /* 6 */ {{520, 400}, true},
      /* 7 */ {{480, 420}, true},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    visual::PointerWatch watch{true, {500, 400}};
    EXPECT_EQ(visual::PointerMovedBeyond(watch, cases[i].now), cases[i].moved) << "row " << i;
  }
}

TEST(EndRules, FirstLookSetsTheStartWhenItWasUnknown) {
  visual::PointerWatch watch;
  EXPECT_FALSE(visual::PointerMovedBeyond(watch, {900, 10}));
  EXPECT_FALSE(visual::PointerMovedBeyond(watch, {902, 11}));
  EXPECT_TRUE(visual::PointerMovedBeyond(watch, {920, 10}));
}

TEST(EndRules, MessagesEndRefuseOrPassOn) {
  const struct {
    UINT message;
    WPARAM wParam;
    Reaction expected;
  } cases[] = {
      /*  0 */ {WM_KEYDOWN, 'A', Reaction::kEnd},
      /*  1 */ {WM_KEYDOWN, VK_SPACE, Reaction::kEnd},
      /*  2 */ {WM_SYSKEYDOWN, VK_MENU, Reaction::kEnd},
      /*  3 */ {WM_KEYDOWN, VK_VOLUME_MUTE, Reaction::kPassOn},
      /*  4 */ {WM_KEYDOWN, VK_VOLUME_DOWN, Reaction::kPassOn},
      /*  5 */ {WM_KEYDOWN, VK_VOLUME_UP, Reaction::kPassOn},
      /*  6 */ {WM_KEYDOWN, VK_MEDIA_NEXT_TRACK, Reaction::kPassOn},
      /*  7 */ {WM_KEYDOWN, VK_MEDIA_PLAY_PAUSE, Reaction::kPassOn},
      /*  8 */ {WM_KEYDOWN, VK_LAUNCH_MAIL, Reaction::kEnd},
      /*  9 */ {WM_KEYUP, 'A', Reaction::kPassOn},  // a key held when the picture began
      /* 10 */ {WM_LBUTTONDOWN, MK_LBUTTON, Reaction::kEnd},
      /* 11 */ {WM_RBUTTONDOWN, MK_RBUTTON, Reaction::kEnd},
      /* 12 */ {WM_MBUTTONDOWN, MK_MBUTTON, Reaction::kEnd},
      /* 13 */ {WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON1), Reaction::kEnd},
      /* 14 */ {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), Reaction::kEnd},
      /* 15 */ {WM_LBUTTONUP, 0, Reaction::kPassOn},
      /* 16 */ {WM_ACTIVATE, WA_INACTIVE, Reaction::kEnd},
      /* 17 */ {WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), Reaction::kEnd},  // minimised as well
      /* 18 */ {WM_ACTIVATE, WA_ACTIVE, Reaction::kPassOn},
      /* 19 */ {WM_ACTIVATE, WA_CLICKACTIVE, Reaction::kPassOn},
      /* 20 */ {WM_ACTIVATEAPP, FALSE, Reaction::kEnd},
      /* 21 */ {WM_ACTIVATEAPP, TRUE, Reaction::kPassOn},
      /* 22 */ {WM_NCACTIVATE, FALSE, Reaction::kEnd},
      /* 23 */ {WM_NCACTIVATE, TRUE, Reaction::kPassOn},
      /* 24 */ {WM_CLOSE, 0, Reaction::kEnd},
      /* 25 */ {WM_ENDSESSION, TRUE, Reaction::kEnd},
      /* 26 */ {WM_ENDSESSION, FALSE, Reaction::kPassOn},
      /* 27 */ {WM_SYSCOMMAND, SC_SCREENSAVE, Reaction::kRefuse},
      /* 28 */ {WM_SYSCOMMAND, SC_SCREENSAVE | 2, Reaction::kRefuse},  // low bits are Windows' own
      /* 29 */ {WM_SYSCOMMAND, SC_CLOSE, Reaction::kPassOn},
      /* 30 */ {WM_SETCURSOR, 0, Reaction::kHideCursor},
      /* 31 */ {WM_PAINT, 0, Reaction::kPassOn},
      /* 32 */ {WM_APPCOMMAND, 0, Reaction::kPassOn},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    visual::PointerWatch watch{true, {10, 10}};
    EXPECT_EQ(visual::ReactTo(cases[i].message, cases[i].wParam, {10, 10}, watch), cases[i].expected)
        << "row " << i;
  }
}

TEST(EndRules, MouseMoveEndsOnlyBeyondTheSlack) {
  visual::PointerWatch watch{true, {300, 300}};
  EXPECT_EQ(visual::ReactTo(WM_MOUSEMOVE, 0, {301, 299}, watch), Reaction::kPassOn);
  EXPECT_EQ(visual::ReactTo(WM_MOUSEMOVE, 0, {300, 300}, watch), Reaction::kPassOn);
  EXPECT_EQ(visual::ReactTo(WM_MOUSEMOVE, 0, {320, 300}, watch), Reaction::kEnd);
}

}  // namespace
