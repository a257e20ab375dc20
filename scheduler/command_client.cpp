#include "scheduler/command_client.h"

#include "app/version.h"

namespace tarvenel {
namespace {

// Starts a copy and waits until it answers the door. A copy that could not
// come up (no display) ends at once; so does one that found another copy
// starting at the same moment, and that one answers.
bool StartCopy(CommandChannel& channel) {
    const std::function<bool()> running = channel.StartCopy();
    if (!running)
        return false;
    for (int waited = 0;; waited += kStartPollMs) {
        const bool alive = running();
        if (channel.Reachable())
            return true;
        if (!alive || waited >= kStartTimeoutMs)
            return false;
        channel.Pause(kStartPollMs);
    }
}

} // namespace

CommandReply RunCommandLine(const std::vector<std::string>& args, CommandChannel& channel) {
    const Command command = ParseCommandLine(args);
    if (!command.error.empty())
        return {exit_code::kUsage, "",
                "命令行有误，用法见 tarvenel --help。\nusage: " + command.error + "\n"};
    switch (command.kind) {
    case CommandKind::Help:
        return {exit_code::kDone, CommandLineHelp(), ""};
    case CommandKind::Version:
        return {exit_code::kDone, TitleWithVersion() + "\n", ""};
    default:
        break;
    }

    const std::string request = EncodeRequest(command);
    auto answer = channel.Exchange(request, kReplyTimeoutMs);
    if (!answer) {
        // Arming may start the program; cancelling or asking a program that
        // does not run has no sense, and scripts want to know.
        const bool arming = command.kind == CommandKind::At || command.kind == CommandKind::In;
        if (!arming)
            return {exit_code::kNoRunningCopy, "",
                    "没有正在运行的 Tarvenel。\nno running copy of Tarvenel\n"};
        if (StartCopy(channel))
            answer = channel.Exchange(request, kReplyTimeoutMs);
        if (!answer)
            return {exit_code::kNoRunningCopy, "",
                    "Tarvenel 没有在运行，也无法启动。\nno running copy, and none could be "
                    "started\n"};
    }
    if (auto reply = DecodeReply(*answer))
        return *reply;
    return {exit_code::kRefused, "",
            "正在运行的 Tarvenel 没有给出有效的回答。\nno valid answer from the running copy\n"};
}

} // namespace tarvenel
