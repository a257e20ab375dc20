#pragma once
// The command line's side: what a run with arguments prints and how it ends.
// Help, version and bad usage are answered here; everything else is asked of
// the running copy over the front end's single-instance channel.
#include <optional>
#include <string>
#include <vector>

#include "scheduler/command_protocol.h"

namespace tarvenel {

class CommandChannel {
public:
    virtual ~CommandChannel() = default;
    // One request to the running copy and its reply as it arrived; nothing
    // when no copy could be reached.
    virtual std::optional<std::string> Exchange(const std::string& request) = 0;
    // Starts the program without arguments, detached, and waits until it can
    // be reached; false when it could not be started or never answered.
    virtual bool StartProgram() = 0;
};

// args: the arguments after the program's name, UTF-8, at least one.
CommandReply RunCommandLine(const std::vector<std::string>& args, CommandChannel& channel);

} // namespace tarvenel
