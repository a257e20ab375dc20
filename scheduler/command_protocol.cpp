#include "scheduler/command_protocol.h"

#include <vector>

namespace tarvenel {
namespace {

constexpr std::string_view kMagic = "TARVENEL/1\n";

// Requests are plain ASCII lines; replies may carry UTF-8 text. Neither ever
// holds another control character, so a stray NUL or CR marks junk.
bool Allowed(unsigned char c, bool ascii) {
    if (c == '\n')
        return true;
    if (c < 0x20 || c == 0x7F)
        return false;
    return !ascii || c < 0x80;
}

Framing Frame(std::string_view text, std::size_t limit, bool ascii) {
    if (text.size() > limit)
        return Framing::Malformed;
    for (const char c : text)
        if (!Allowed(static_cast<unsigned char>(c), ascii))
            return Framing::Malformed;
    const std::size_t end = text.find("\n\n");
    if (end == std::string_view::npos)
        return Framing::Incomplete;
    return end + 2 == text.size() ? Framing::Complete : Framing::Malformed;
}

// The lines between the magic line and the closing empty line of a whole
// message; nothing when the magic line is missing.
std::optional<std::vector<std::string>> Lines(std::string_view text) {
    if (!text.starts_with(kMagic))
        return std::nullopt;
    text.remove_prefix(kMagic.size());
    std::vector<std::string> lines;
    while (text.size() > 1) { // what is left ends with the empty line
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

void AddLines(std::string& to, const char* prefix, const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        to += prefix;
        to.append(text, start, end - start);
        to += '\n';
        start = end + 1;
    }
}

} // namespace

std::string EncodeRequest(const Command& command) {
    std::string request(kMagic);
    for (const std::string& argument : ArgumentsOf(command))
        request += argument + '\n';
    return request + '\n';
}

Framing FrameRequest(std::string_view received) {
    return Frame(received, kMaxRequestBytes, true);
}

std::optional<Command> DecodeRequest(std::string_view request) {
    if (FrameRequest(request) != Framing::Complete)
        return std::nullopt;
    const auto lines = Lines(request);
    if (!lines)
        return std::nullopt;
    const Command command = ParseCommandLine(*lines);
    const bool forTheRunningCopy =
        command.kind == CommandKind::At || command.kind == CommandKind::In ||
        command.kind == CommandKind::Cancel || command.kind == CommandKind::Status;
    if (!command.error.empty() || !forTheRunningCopy)
        return std::nullopt;
    return command;
}

std::string EncodeReply(const CommandReply& reply) {
    std::string text(kMagic);
    text += std::to_string(reply.exitCode) + '\n';
    AddLines(text, "o ", reply.out);
    AddLines(text, "e ", reply.err);
    return text + '\n';
}

std::optional<CommandReply> DecodeReply(std::string_view text) {
    if (Frame(text, kMaxReplyBytes, false) != Framing::Complete)
        return std::nullopt;
    const auto lines = Lines(text);
    if (!lines || lines->empty() || (*lines)[0].size() != 1 || (*lines)[0][0] < '0' ||
        (*lines)[0][0] > '3')
        return std::nullopt;
    CommandReply reply;
    reply.exitCode = (*lines)[0][0] - '0';
    for (std::size_t i = 1; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        if (line.starts_with("o "))
            reply.out += line.substr(2) + '\n';
        else if (line.starts_with("e "))
            reply.err += line.substr(2) + '\n';
        else
            return std::nullopt;
    }
    return reply;
}

} // namespace tarvenel
