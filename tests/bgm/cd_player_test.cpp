// The CD player against a scripted disc: what each monitor tick sends, and
// whether the monitor goes on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bgm/cd_monitor.h"
#include "bgm/kovaro_bgm.h"
#include "bgm/mci_channel.h"
#include "fake_cdaudio.h"
#include "fake_winmm.h"
#include "startup/kovaro_b.h"

namespace {

using namespace Kovaro_BGM;
using bgmtest::Disc;
using bgmtest::TrackStart;
using Commands = std::vector<std::string>;

// The state of a fresh process.
void ResetModule() {
  MciReturnBuffer.fill('\0');
  MciErrorBuffer.fill('\0');
  CD_ModeBuffer.fill('\0');
  MciReply.clear();
  CD_Continue = false;
  BGM_RepeatTrack = 0;
  Kovaro_B::ApiRet = 0;
}

// The three queries every tick that passes its tests starts with, then more.
Commands Queries(const Commands& more = {}) {
  Commands all = {"status cdaudio current track", "status cdaudio number of tracks",
                  "status cdaudio mode"};
  all.insert(all.end(), more.begin(), more.end());
  return all;
}

Commands BackTo(int track, const std::string& position) {
  return Queries({"status cdaudio position track " + std::to_string(track),
                  "play cdaudio from " + position});
}

struct Tick {
  std::function<void(Disc&)> before;  // what the disc did since the last tick
  Commands sent;
  bool continues;
};

struct Row {
  const char* what;
  Disc disc;
  std::int16_t repeatTrack;
  std::vector<Tick> ticks;
};

void Mode(Disc& d, const char* mode) { d.mode = mode; }

TEST(CdMonitor, TickSequences) {
  const std::string outOfRange = "Error:" + std::to_string(MCIERR_OUTOFRANGE);
  const Row rows[] = {
      /*  0 */ {"idle disc after the open, no track held",
                {},
                0,
                {{nullptr, Queries({"play cdaudio"}), true},
                 {nullptr, Queries(), true},
                 {[](Disc& d) { d.current = 5, Mode(d, "stopped"); }, Queries({"play cdaudio"}),
                  true}}},
      /*  1 */ {"paused disc, no track held",
                {.mode = "paused"},
                0,
                {{nullptr, Queries(), true}, {nullptr, Queries(), true}}},
      /*  2 */ {"track 3 held, disc on track 1, then on to track 4",
                {.mode = "playing"},
                3,
                {{nullptr, BackTo(3, TrackStart(3)), true},
                 {nullptr, Queries(), true},
                 {[](Disc& d) { d.current = 4; }, BackTo(3, TrackStart(3)), true},
                 {nullptr, Queries(), true}}},
      /*  3 */ {"last track held, the disc stops at its end",
                {.current = 5, .mode = "playing"},
                5,
                {{nullptr, Queries(), true},
                 {[](Disc& d) { Mode(d, "stopped"); }, BackTo(5, TrackStart(5)), true}}},
      /*  4 */ {"held track 3 and a reply of 03 are equal",
                {.current = 3, .mode = "playing", .currentTrackText = "03"},
                3,
                {{nullptr, Queries(), true}}},
      /*  5 */ {"held track 3, the disc stopped on track 3",
                {.current = 3},
                3,
                {{nullptr, BackTo(3, TrackStart(3)), true}}},
      /*  6 */ {"only the first 7 characters of the mode count, shorter after longer",
                {.mode = "stoppedXYZ"},
                0,
                {{nullptr, Queries({"play cdaudio"}), true},
                 {[](Disc& d) { Mode(d, "stop"); }, Queries(), true},
                 {[](Disc& d) { Mode(d, "stopped"); }, Queries({"play cdaudio"}), true}}},
      /*  7 */ {"letter case of the mode counts",
                {.mode = "Stopped"},
                0,
                {{nullptr, Queries(), true},
                 {[](Disc& d) { Mode(d, "STOPPED"); }, Queries(), true}}},
      /*  8 */ {"a failed mode query: the last mode read counts, the monitor goes on",
                {},
                0,
                {{nullptr, Queries({"play cdaudio"}), true},
                 {[](Disc& d) { d.modeFails = MCIERR_HARDWARE; },
                  Queries({"play cdaudio"}), true}}},
      /*  9 */ {"the first query fails: one command, the monitor ends",
                {.currentTrackFails = MCIERR_HARDWARE},
                0,
                {{nullptr, {"status cdaudio current track"}, false}}},
      /* 10 */ {"the number of tracks fails: the monitor ends",
                {.numberOfTracksFails = MCIERR_DEVICE_NOT_READY},
                3,
                {{nullptr, {"status cdaudio current track", "status cdaudio number of tracks"},
                  false}}},
      /* 11 */ {"a held track the disc lacks: a failing play on every tick",
                {},
                7,
                {{nullptr, BackTo(7, outOfRange), true}, {nullptr, BackTo(7, outOfRange), true}}},
      /* 12 */ {"a current track that is no number, with a track held, whatever the mode",
                {.currentTrackText = "abc"},
                3,
                {{nullptr, Queries(), false}}},
      /* 13 */ {"a current track that is no number, with no track held",
                {.currentTrackText = "abc"},
                0,
                {{nullptr, Queries({"play cdaudio"}), true}}},
  };
  for (std::size_t r = 0; r < std::size(rows); ++r) {
    ResetModule();
    Disc disc = rows[r].disc;
    bgmtest::FakeWinmm winmm;
    winmm.answer = [&disc](const std::string& command) { return disc.Answer(command); };
    BGM_RepeatTrack = rows[r].repeatTrack;

    CD_Open();
    const Commands opened = winmm.Commands();
    EXPECT_EQ(opened, (Commands{"open cdaudio", "set cdaudio time format tmsf"})) << "row " << r;
    for (std::size_t t = 0; t < rows[r].ticks.size(); ++t) {
      const Tick& tick = rows[r].ticks[t];
      if (tick.before) tick.before(disc);
      winmm.calls.clear();
      CD_Monitor();
      EXPECT_EQ(winmm.Commands(), tick.sent)
          << "row " << r << " (" << rows[r].what << "), tick " << t << ": expected "
          << bgmtest::DescribeCommands(tick.sent) << ", got "
          << bgmtest::DescribeCommands(winmm.Commands());
      EXPECT_EQ(CD_Continue, tick.continues) << "row " << r << ", tick " << t;
    }
  }
}

TEST(CdMonitor, BuffersLengthsAndApiRet) {
  ResetModule();
  Disc disc{.mode = "playing"};
  bgmtest::FakeWinmm winmm;
  winmm.answer = [&disc](const std::string& command) { return disc.Answer(command); };
  BGM_RepeatTrack = 3;
  CD_Monitor();

  // Queries and plays through the channel's 512; the mode straight into 255.
  const UINT lengths[] = {512, 512, 255, 512, 512};
  ASSERT_EQ(winmm.calls.size(), std::size(lengths));
  for (std::size_t i = 0; i < std::size(lengths); ++i) {
    EXPECT_TRUE(winmm.calls[i].hasBuffer) << "call " << i;
    EXPECT_EQ(winmm.calls[i].length, lengths[i]) << "call " << i;
    EXPECT_EQ(winmm.calls[i].callback, nullptr) << "call " << i;
  }
  EXPECT_EQ(std::string(CD_ModeBuffer.data()), "playing");
  EXPECT_EQ(disc.current, 3);

  // The mode query's result lands in ApiRet even when nothing else follows.
  winmm.calls.clear();
  disc.modeFails = MCIERR_HARDWARE;
  CD_Monitor();
  EXPECT_EQ(winmm.calls.size(), 3u);
  EXPECT_EQ(Kovaro_B::ApiRet, static_cast<std::int32_t>(MCIERR_HARDWARE));
}

TEST(CdPlayer, OpenAndStopSendDirectlyAndKeepTheLastResult) {
  ResetModule();
  bgmtest::FakeWinmm winmm;
  winmm.answer = [](const std::string& command) {
    if (command == "open cdaudio") return bgmtest::MciAnswer{MCIERR_CANNOT_LOAD_DRIVER, ""};
    if (command == "stop cdaudio") return bgmtest::MciAnswer{MCIERR_HARDWARE, ""};
    return bgmtest::MciAnswer{MCIERR_INVALID_DEVICE_NAME, ""};
  };
  CD_Open();
  EXPECT_EQ(Kovaro_B::ApiRet, static_cast<std::int32_t>(MCIERR_INVALID_DEVICE_NAME));
  CD_Stop();
  EXPECT_EQ(Kovaro_B::ApiRet, static_cast<std::int32_t>(MCIERR_INVALID_DEVICE_NAME));
  EXPECT_EQ(winmm.Commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf",
                                        "stop cdaudio", "close cdaudio"}));
  for (std::size_t i = 0; i < winmm.calls.size(); ++i) {
    EXPECT_FALSE(winmm.calls[i].hasBuffer) << "call " << i;
    EXPECT_EQ(winmm.calls[i].length, 0u) << "call " << i;
  }
  // Neither failure is an error message.
  EXPECT_TRUE(winmm.errorTextCodes.empty());
}

TEST(CdMonitor, CurrentTrackIsReadAsANumber) {
  const struct {
    const char* reply;
    bool stopped;
    std::int16_t repeat;
    CdTickAction expected;
  } cases[] = {
      /*  0 */ {"3", false, 3, CdTickAction::Nothing},
      /*  1 */ {" 3 ", false, 3, CdTickAction::Nothing},
      /*  2 */ {"3.0", false, 3, CdTickAction::Nothing},
      /*  3 */ {"4", false, 3, CdTickAction::PlayHeldTrack},
      /*  4 */ {"3", true, 3, CdTickAction::PlayHeldTrack},
      /*  5 */ {"3a", false, 3, CdTickAction::EndMonitor},
      /*  6 */ {"", true, 3, CdTickAction::EndMonitor},
      /*  7 */ {"", true, 0, CdTickAction::PlayDisc},
      /*  8 */ {"", false, 0, CdTickAction::Nothing},
      /*  9 */ {"-2", false, -2, CdTickAction::Nothing},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(CD_TickAction(cases[i].reply, cases[i].stopped, cases[i].repeat), cases[i].expected)
        << "row " << i << " \"" << cases[i].reply << "\"";
  }
}

}  // namespace
