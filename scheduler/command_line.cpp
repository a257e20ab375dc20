#include "scheduler/command_line.h"

#include <cstdio>
#include <optional>
#include <string_view>

namespace tarvenel {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A run of `fewest` to `most` decimal digits at `pos`; a longer run is no
// number of this kind.
bool ReadNumber(std::string_view text, std::size_t& pos, std::size_t fewest, std::size_t most,
                std::int64_t& value) {
    std::size_t count = 0;
    value = 0;
    while (pos < text.size() && IsDigit(text[pos]) && count < most) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++count;
    }
    return count >= fewest && !(pos < text.size() && IsDigit(text[pos]));
}

bool ReadPart(std::string_view text, std::size_t& pos, std::size_t fewest, std::size_t most,
              int& part) {
    std::int64_t value = 0;
    if (!ReadNumber(text, pos, fewest, most, value))
        return false;
    part = static_cast<int>(value);
    return true;
}

bool Skip(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

// "H:MM" or "H:MM:SS" up to the end of the text.
bool ReadTime(std::string_view text, std::size_t& pos, CivilDateTime& t) {
    t.second = 0;
    if (!ReadPart(text, pos, 1, 2, t.hour) || !Skip(text, pos, ':') ||
        !ReadPart(text, pos, 2, 2, t.minute))
        return false;
    if (pos < text.size() && !(Skip(text, pos, ':') && ReadPart(text, pos, 2, 2, t.second)))
        return false;
    return pos == text.size() && t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

std::optional<CommandTarget> ParseAt(std::string_view text) {
    CommandTarget target;
    std::size_t pos = 0;
    if (text.find('-') == std::string_view::npos) {
        target.form = CommandTarget::Form::TimeOfDay;
        return ReadTime(text, pos, target.when) ? std::optional(target) : std::nullopt;
    }
    CivilDateTime& t = target.when;
    const bool read = ReadPart(text, pos, 4, 4, t.year) && Skip(text, pos, '-') &&
                      ReadPart(text, pos, 1, 2, t.month) && Skip(text, pos, '-') &&
                      ReadPart(text, pos, 1, 2, t.day) && Skip(text, pos, ' ') &&
                      ReadTime(text, pos, t);
    // A day the month lacks (31 April) is left to arming, which refuses it
    // like the arm button does; numbers no calendar has are bad usage.
    const bool inRange = read && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31;
    return inRange ? std::optional(target) : std::nullopt;
}

constexpr std::int64_t kUnits[] = {3600, 60, 1};
constexpr char kUnitNames[] = {'h', 'm', 's'};

std::optional<CommandTarget> ParseIn(std::string_view text) {
    std::size_t pos = 0;
    std::int64_t count = 0;
    if (!ReadNumber(text, pos, 1, 9, count) || pos + 1 != text.size())
        return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if (text[pos] == kUnitNames[i]) {
            CommandTarget target;
            target.form = CommandTarget::Form::After;
            target.seconds = count * kUnits[i];
            return target;
        }
    }
    return std::nullopt;
}

Command Bad(std::string what) {
    Command command;
    command.error = std::move(what);
    return command;
}

} // namespace

Command ParseCommandLine(const std::vector<std::string>& args) {
    if (args.empty())
        return {};
    std::string option = args[0];
    std::optional<std::string> value;
    std::size_t used = 1;
    if (const std::size_t equals = option.find('=');
        option.starts_with("--") && equals != option.npos) {
        value = option.substr(equals + 1);
        option.resize(equals);
    }
    const bool takesValue = option == "--at" || option == "--in";
    if (takesValue && !value) {
        if (args.size() < 2)
            return Bad(option + " needs a value");
        value = args[1];
        used = 2;
    }
    if (!takesValue && value)
        return Bad(option + " takes no value");
    if (args.size() > used)
        return Bad("unexpected argument '" + args[used] + "' (one option at a time)");

    Command command;
    if (option == "--help" || option == "-h")
        command.kind = CommandKind::Help;
    else if (option == "--version")
        command.kind = CommandKind::Version;
    else if (option == "--cancel")
        command.kind = CommandKind::Cancel;
    else if (option == "--status")
        command.kind = CommandKind::Status;
    else if (option == "--at") {
        const auto target = ParseAt(*value);
        if (!target)
            return Bad("'" + *value + "' is no time: use \"YYYY-MM-DD HH:MM[:SS]\" or HH:MM[:SS]");
        command.kind = CommandKind::At;
        command.target = *target;
    } else if (option == "--in") {
        const auto target = ParseIn(*value);
        if (!target)
            return Bad("'" + *value + "' is no while: use a number and s, m or h, as in 90m");
        command.kind = CommandKind::In;
        command.target = *target;
    } else
        return Bad("unknown option '" + option + "'");
    return command;
}

std::vector<std::string> ArgumentsOf(const Command& command) {
    switch (command.kind) {
    case CommandKind::Window:
        return {};
    case CommandKind::Help:
        return {"--help"};
    case CommandKind::Version:
        return {"--version"};
    case CommandKind::Cancel:
        return {"--cancel"};
    case CommandKind::Status:
        return {"--status"};
    case CommandKind::At:
        if (command.target.form == CommandTarget::Form::DateTime)
            return {"--at", FormatDateTime(command.target.when)};
        return {"--at", FormatDateTime(command.target.when).substr(11)};
    case CommandKind::In:
        break;
    }
    // The largest unit that divides the while: its count is never longer
    // than the one it was written with.
    const std::int64_t seconds = command.target.seconds;
    std::size_t unit = 0;
    while (unit < 2 && (seconds == 0 || seconds % kUnits[unit] != 0))
        ++unit;
    return {"--in", std::to_string(seconds / kUnits[unit]) + kUnitNames[unit]};
}

CivilDateTime ResolveTarget(const CommandTarget& target, const CivilDateTime& now) {
    const auto nowValue = ToDateTimeValue(now);
    switch (target.form) {
    case CommandTarget::Form::DateTime:
        return target.when;
    case CommandTarget::Form::TimeOfDay: {
        CivilDateTime today = now;
        today.hour = target.when.hour;
        today.minute = target.when.minute;
        today.second = target.when.second;
        const auto value = ToDateTimeValue(today);
        if (value && nowValue && SecondsBetween(*nowValue, *value) < 0)
            return ToCivil(*value + 1); // the same time tomorrow
        return today;
    }
    case CommandTarget::Form::After:
        break;
    }
    if (!nowValue)
        return now;
    return ToCivil(static_cast<double>(ToSeconds(*nowValue) + target.seconds) / 86400);
}

std::string FormatDateTime(const CivilDateTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string CommandLineHelp() {
    return "用法：tarvenel [选项]\n"
           "不带选项时打开 Tarvenel 的主窗口。下面的选项交给正在运行的 Tarvenel 去做：\n"
           "\n"
           "  --at \"YYYY-MM-DD HH:MM[:SS]\"  在这个时间关机\n"
           "  --at HH:MM[:SS]               在今天的这个时间关机，已经过了就是明天\n"
           "  --in N(s|m|h)                 N 秒、分钟或小时以后关机，例如 --in 90m\n"
           "  --cancel                      取消定时关机，也停止正在进行的倒计时\n"
           "  --status                      显示状态：idle、armed YYYY-MM-DD HH:MM:SS 或 counting "
           "N\n"
           "  --help                        显示本说明\n"
           "  --version                     显示版本\n"
           "\n"
           "设定的关机时间必须在当前时间30秒以后。没有正在运行的 Tarvenel 时，\n"
           "--at 和 --in 先启动它。\n"
           "退出码：0 完成，1 被拒绝，2 用法错误，3 没有正在运行的 "
           "Tarvenel（--cancel、--status）。\n";
}

} // namespace tarvenel
