#pragma once
// The start-up entry of desktops that follow the XDG autostart rules: a
// desktop-entry file whose Exec starts the program. Text in, text out; the
// front end reads and writes the file.
#include <string>

namespace tarvenel {

// The Exec value that starts exactly this program file: the path quoted for
// the Exec key, then escaped as a desktop-entry string.
std::string ExecValueFor(const std::string& program);

// The program an Exec value starts (its first argument, unquoted), or an
// empty text when the value does not follow the quoting rules.
std::string ProgramOfExec(const std::string& execValue);

// The program a desktop entry starts; empty when the entry is switched off
// (Hidden=true, or X-GNOME-Autostart-enabled=false as GNOME's own start-up
// tools write it) or starts nothing readable.
std::string ProgramOfEntry(const std::string& content);

// The entry switched on to start the program: Exec names it and both
// switches say on, so that GNOME, KDE and Xfce all start it; everything else
// the user or a desktop wrote is kept (an empty or missing entry becomes a
// new one).
std::string SwitchedOnEntry(const std::string& content, const std::string& program);

// The entry switched off: Hidden=true, everything else the user may have
// written kept (an empty or missing entry becomes a minimal hidden one).
std::string SwitchedOffEntry(const std::string& content);

} // namespace tarvenel
