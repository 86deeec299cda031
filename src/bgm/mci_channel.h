// The MCI command channel: command strings to the Media Control Interface and
// their replies, through module buffers that live for the process.
//
//   MciSend(command, reply): 0 and the device's reply; the MCI error code and
//     its error text (or a fixed message when there is none); -1 and a fixed
//     message for an empty command, which is not sent. Writes ApiRet, except
//     for an empty command.
//   MciQuery(command): the reply, or "Error:" and the code in decimal, so a
//     caller finds a failure by looking for "ERR" in the upper-cased result.
//   MciPlay(device, from, to): sends "play device[ from F][ to T]".
// All calls are synchronous (no callback window) and not re-entrant.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Kovaro_BGM {

// Start all NUL; never cleared, each reply is cut at its first NUL.
inline std::array<char, 512> MciReturnBuffer{};
inline std::array<char, 256> MciErrorBuffer{};
// The reply slot MciQuery and MciPlay hand to MciSend.
inline std::string MciReply;

inline constexpr char kMciNoCommand[] = "コマンド文字列が指定されていません";
inline constexpr char kMciNoErrorText[] = "Error (文字列が取れません)";

std::int32_t MciSend(const std::string& command, std::string& reply);
std::string MciQuery(const std::string& command);
std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

}  // namespace Kovaro_BGM
