// The audio CD player: the "cdaudio" device, opened at the start of the run,
// kept playing (or held on one track) by a monitor tick every 200 ms.
#include <string>

#include "bgm/cd_monitor.h"
#include "bgm/kovaro_bgm.h"
#include "bgm/mci_channel.h"
#include "bgm/mode_reply.h"
#include "bgm/winmm_api.h"
#include "forms/text.h"
#include "startup/kovaro_b.h"
#include "startup/number.h"

namespace Kovaro_BGM {
namespace {

void SendDirect(const char* command) {
  Kovaro_B::ApiRet =
      static_cast<std::int32_t>(Winmm.mciSendStringA(command, nullptr, 0, nullptr));
}

}  // namespace

bool IsMciFailure(const std::string& reply) {
  return forms::UCase(reply).find("ERR") != std::string::npos;
}

CdTickAction CD_TickAction(const std::string& currentTrack, bool stopped,
                           std::int16_t repeatTrack) {
  if (repeatTrack == 0) return stopped ? CdTickAction::PlayDisc : CdTickAction::Nothing;
  const auto current = Kovaro_B::ReadDecimal(currentTrack);
  if (!current) return CdTickAction::EndMonitor;
  if (*current != repeatTrack || stopped) return CdTickAction::PlayHeldTrack;
  return CdTickAction::Nothing;
}

void CD_Open() {
  SendDirect("open cdaudio");
  SendDirect("set cdaudio time format tmsf");
}

void CD_Monitor() {
  CD_Continue = true;

  const std::string currentTrack = MciQuery("status cdaudio current track");
  if (IsMciFailure(currentTrack)) {
    CD_Continue = false;
    return;
  }
  // Only its failure counts: a disc that stops answering ends the monitor.
  if (IsMciFailure(MciQuery("status cdaudio number of tracks"))) {
    CD_Continue = false;
    return;
  }
  Kovaro_B::ApiRet = static_cast<std::int32_t>(Winmm.mciSendStringA(
      "status cdaudio mode", CD_ModeBuffer.data(), 255, nullptr));
  const bool stopped = ModeReads(CD_ModeBuffer, "stopped");

  switch (CD_TickAction(currentTrack, stopped, BGM_RepeatTrack)) {
    case CdTickAction::Nothing:
      break;
    case CdTickAction::PlayDisc:
      MciPlay("cdaudio", "", "");
      break;
    case CdTickAction::PlayHeldTrack: {
      // The position goes back unparsed, whatever the device's time format;
      // a failure marker goes too, and that play fails in turn.
      const std::string position =
          MciQuery("status cdaudio position track " + std::to_string(BGM_RepeatTrack));
      MciPlay("cdaudio", position, "");
      break;
    }
    case CdTickAction::EndMonitor:
      CD_Continue = false;
      break;
  }
}

void CD_Stop() {
  SendDirect("stop cdaudio");
  SendDirect("close cdaudio");
}

}  // namespace Kovaro_BGM
