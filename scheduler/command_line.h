#pragma once
// The program's command line: what a script asks of the running copy (arm at
// a time or after a while, cancel, tell the state) and the help and version a
// terminal asks for. Parsing checks only the form of the arguments; whether a
// target can be armed is decided by the running copy, with the same checks as
// the arm button.
#include <cstdint>
#include <string>
#include <vector>

#include "scheduler/date_time.h"

namespace tarvenel {

enum class CommandKind { Window, Help, Version, At, In, Cancel, Status };

// A target as it was written.
struct CommandTarget {
    enum class Form { DateTime, TimeOfDay, After };
    Form form = Form::DateTime;
    CivilDateTime when;       // DateTime: all six parts; TimeOfDay: the time
    std::int64_t seconds = 0; // After
};

struct Command {
    CommandKind kind = CommandKind::Window;
    CommandTarget target; // At and In
    std::string error;    // not empty: bad usage, and this says what is wrong
};

// args: the arguments after the program's name, UTF-8. None: the window.
Command ParseCommandLine(const std::vector<std::string>& args);

// The arguments that say the same as `command`, in one canonical spelling.
std::vector<std::string> ArgumentsOf(const Command& command);

// The instant a target names at `now`: a time of day is today, or tomorrow
// when it has passed today; a while is counted from now. The result may be
// no valid date (month 13, 31 April, past the year 9999): arming refuses it.
CivilDateTime ResolveTarget(const CommandTarget& target, const CivilDateTime& now);

// "2026-12-07 08:05:03", the form scripts read and write.
std::string FormatDateTime(const CivilDateTime& t);

// What --help prints.
std::string CommandLineHelp();

} // namespace tarvenel
