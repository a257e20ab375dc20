#pragma once
// The command line's side: what a run with arguments prints and how it ends.
// Help, version and bad usage are answered here; everything else is asked of
// the running copy over the front end's single-instance channel.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scheduler/command_protocol.h"

namespace tarvenel {

// The front end's two primitives: reach the running copy, start a copy. The
// waiting, the retries and their time limits are the client's.
class CommandChannel {
public:
    virtual ~CommandChannel() = default;
    // Whether a running copy answers the door now.
    virtual bool Reachable() = 0;
    // One request to the running copy and its reply as it arrived, waited
    // for at most `timeoutMs`; nothing when no copy could be reached.
    virtual std::optional<std::string> Exchange(const std::string& request, int timeoutMs) = 0;
    // Starts the program without arguments, detached, and returns whether
    // that copy still runs; null when it could not be started at all.
    virtual std::function<bool()> StartCopy() = 0;
    // Lets `ms` pass.
    virtual void Pause(int ms) = 0;
};

// args: the arguments after the program's name, UTF-8, at least one.
CommandReply RunCommandLine(const std::vector<std::string>& args, CommandChannel& channel);

} // namespace tarvenel
