#include "bgm/mci_channel.h"

#include <cstring>

#include "bgm/winmm_api.h"
#include "startup/kovaro_b.h"

namespace Kovaro_BGM {
namespace {

// Up to the first NUL; bounded by the buffer, should a reply ever fill it.
template <std::size_t N>
std::string UpToNul(const std::array<char, N>& buffer) {
  return std::string(buffer.data(), strnlen(buffer.data(), N));
}

}  // namespace

std::int32_t MciSend(const std::string& command, std::string& reply) {
  if (command.empty()) {
    reply = kMciNoCommand;
    return -1;
  }
  const auto result = static_cast<std::int32_t>(Winmm.mciSendStringA(
      command.c_str(), MciReturnBuffer.data(), MciReturnBuffer.size(), nullptr));
  Kovaro_B::ApiRet = result;
  if (result != 0) {
    if (!Winmm.mciGetErrorStringA(static_cast<MCIERROR>(result), MciErrorBuffer.data(),
                                  MciErrorBuffer.size())) {
      reply = kMciNoErrorText;
    } else {
      reply = UpToNul(MciErrorBuffer);
    }
    return result;
  }
  reply = UpToNul(MciReturnBuffer);
  return 0;
}

std::string MciQuery(const std::string& command) {
  const std::int32_t result = MciSend(command, MciReply);
  Kovaro_B::ApiRet = result;
  if (result != 0) return "Error:" + std::to_string(result);
  return MciReply;
}

std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to) {
  std::string command = "play " + device;
  if (!from.empty()) command += " from " + from;
  if (!to.empty()) command += " to " + to;
  return MciSend(command, MciReply);
}

}  // namespace Kovaro_BGM
