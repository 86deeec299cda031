// The MCI command channel against a scripted winmm.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bgm/mci_channel.h"
#include "fake_winmm.h"
#include "startup/kovaro_b.h"

namespace {

using namespace Kovaro_BGM;

constexpr std::int32_t kUntouched = 4711;

void ResetChannel() {
  MciReturnBuffer.fill('\0');
  MciErrorBuffer.fill('\0');
  MciReply.clear();
  Kovaro_B::ApiRet = kUntouched;
}

TEST(MciChannel, EmptyCommandIsNotSent) {
  ResetChannel();
  bgmtest::FakeWinmm winmm;
  std::string reply = "before";
  EXPECT_EQ(MciSend("", reply), -1);
  EXPECT_EQ(reply, kMciNoCommand);
  EXPECT_EQ(Kovaro_B::ApiRet, kUntouched);

  EXPECT_EQ(MciQuery(""), "Error:-1");
  EXPECT_EQ(MciReply, kMciNoCommand);
  EXPECT_EQ(Kovaro_B::ApiRet, -1);
  EXPECT_TRUE(winmm.calls.empty());
}

// One sequence through the same buffers, so each row sees what the rows
// before it left there.
TEST(MciChannel, RepliesAndFailures) {
  const struct {
    MCIERROR code;
    const char* deviceReply;  // written on success
    const char* errorText;    // nullptr: mciGetErrorStringA has none
    std::string reply;        // MciSend's reply
    std::string query;        // MciQuery's result
  } rows[] = {
      /* 0 */ {0, "a long reply from the device", nullptr, "a long reply from the device",
               "a long reply from the device"},
      /* 1 */ {0, "short", nullptr, "short", "short"},
      /* 2 */ {0, "", nullptr, "", ""},
      /* 3 */ {MCIERR_HARDWARE, "", "a long error text from winmm", "a long error text from winmm",
               "Error:" + std::to_string(MCIERR_HARDWARE)},
      /* 4 */ {MCIERR_OUTOFRANGE, "", "short error", "short error",
               "Error:" + std::to_string(MCIERR_OUTOFRANGE)},
      /* 5 */ {MCIERR_INVALID_DEVICE_NAME, "", nullptr, kMciNoErrorText,
               "Error:" + std::to_string(MCIERR_INVALID_DEVICE_NAME)},
      /* 6 */ {0x80000005u, "", nullptr, kMciNoErrorText, "Error:-2147483643"},
      /* 7 */ {0, "ok", nullptr, "ok", "ok"},
  };
  ResetChannel();
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    bgmtest::FakeWinmm winmm;
    winmm.answer = [&](const std::string&) {
      return bgmtest::MciAnswer{rows[i].code, rows[i].deviceReply};
    };
    winmm.errorText = [&](MCIERROR) { return rows[i].errorText; };
    const auto code = static_cast<std::int32_t>(rows[i].code);

    Kovaro_B::ApiRet = kUntouched;
    std::string reply;
    EXPECT_EQ(MciSend("status cdaudio mode", reply), code) << "row " << i;
    EXPECT_EQ(reply, rows[i].reply) << "row " << i;
    EXPECT_EQ(Kovaro_B::ApiRet, code) << "row " << i;

    Kovaro_B::ApiRet = kUntouched;
    EXPECT_EQ(MciQuery("status cdaudio mode"), rows[i].query) << "row " << i;
    EXPECT_EQ(MciReply, rows[i].reply) << "row " << i;
    EXPECT_EQ(Kovaro_B::ApiRet, code) << "row " << i;

    ASSERT_EQ(winmm.calls.size(), 2u) << "row " << i;
    for (const bgmtest::MciCall& call : winmm.calls) {
      EXPECT_EQ(call.command, "status cdaudio mode") << "row " << i;
      EXPECT_EQ(call.length, 512u) << "row " << i;
      EXPECT_EQ(call.callback, nullptr) << "row " << i;
    }
    const std::vector<MCIERROR> asked =
        code ? std::vector<MCIERROR>{rows[i].code, rows[i].code} : std::vector<MCIERROR>{};
    EXPECT_EQ(winmm.errorTextCodes, asked) << "row " << i;
    for (UINT length : winmm.errorTextLengths) EXPECT_EQ(length, 256u) << "row " << i;
  }
}

TEST(MciChannel, PlayBuildsItsCommand) {
  const struct {
    const char* from;
    const char* to;
    MCIERROR code;
    const char* sent;
  } rows[] = {
      /* 0 */ {"", "", 0, "play cdaudio"},
      /* 1 */ {"", "04:00:00:00", 0, "play cdaudio to 04:00:00:00"},
      /* 2 */ {"03:00:00:00", "", MCIERR_OUTOFRANGE, "play cdaudio from 03:00:00:00"},
      /* 3 */ {"03:00:00:00", "04:00:00:00", 0, "play cdaudio from 03:00:00:00 to 04:00:00:00"},
      /* 4 */ {"Error:282", "", MCIERR_BAD_TIME_FORMAT, "play cdaudio from Error:282"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ResetChannel();
    bgmtest::FakeWinmm winmm;
    winmm.answer = [&](const std::string&) { return bgmtest::MciAnswer{rows[i].code, ""}; };
    winmm.errorText = [](MCIERROR) { return "failed"; };
    EXPECT_EQ(MciPlay("cdaudio", rows[i].from, rows[i].to), static_cast<std::int32_t>(rows[i].code))
        << "row " << i;
    EXPECT_EQ(winmm.Commands(), std::vector<std::string>{rows[i].sent}) << "row " << i;
    EXPECT_EQ(MciReply, rows[i].code ? "failed" : "") << "row " << i;
    EXPECT_EQ(Kovaro_B::ApiRet, static_cast<std::int32_t>(rows[i].code)) << "row " << i;
  }
}

}  // namespace
