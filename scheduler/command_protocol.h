#pragma once
// What the command line and the running copy say to each other over the
// front end's single-instance channel: one request, one reply, both short
// UTF-8 text. Anything that is not exactly this shape is refused before it
// can reach the schedule.
//
//   request: "TARVENEL/1\n", then one line per argument in the canonical
//            spelling of ArgumentsOf, then an empty line.
//   reply:   "TARVENEL/1\n", the exit code's line, then one line per output
//            line, "o " for standard output and "e " for standard error,
//            then an empty line.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "scheduler/command_line.h"

namespace tarvenel {

inline constexpr std::size_t kMaxRequestBytes = 512;
inline constexpr std::size_t kMaxReplyBytes = 4096;

// Time limits, in milliseconds. A request's bytes (or the reply sent back to
// the asker) come at once; a client that sends nothing useful is dropped.
inline constexpr int kRequestTimeoutMs = 5000;
// The running copy answers from its event loop; a busy machine may hold it
// up a while.
inline constexpr int kReplyTimeoutMs = 60000;
// How long a freshly started copy may take to come up, knocked on this often.
inline constexpr int kStartTimeoutMs = 20000;
inline constexpr int kStartPollMs = 100;

// Exit codes of the command line.
namespace exit_code {
constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kNoRunningCopy = 3;
} // namespace exit_code

// What a command-line run prints and how it ends.
struct CommandReply {
    int exitCode = exit_code::kDone;
    std::string out; // standard output, whole lines
    std::string err; // standard error, whole lines
    bool operator==(const CommandReply&) const = default;
};

// A command for the running copy (At, In, Cancel, Status) as its request.
std::string EncodeRequest(const Command& command);

enum class Framing { Incomplete, Complete, Malformed };
// How far a request that arrives in pieces has come: Malformed as soon as it
// is too long or holds what no request holds, Complete at its empty line.
Framing FrameRequest(std::string_view received);

// The command a whole request asks for; nothing when it is malformed,
// oversized, or asks for what only a terminal can be told (help, version).
std::optional<Command> DecodeRequest(std::string_view request);

std::string EncodeReply(const CommandReply& reply);
// Nothing when the text is no whole reply.
std::optional<CommandReply> DecodeReply(std::string_view text);

} // namespace tarvenel
