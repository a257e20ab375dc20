#pragma once
// The Windows start-up list: the value Vexalo under the machine-wide Run key.
#include <vector>

#include "platform/win32/elevation.h"
#include "platform/win32/registry.h"
#include "preferences/startup_list.h"

namespace tarvenel {

inline constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "Vexalo";
inline constexpr std::size_t kPaddedCommandLength = 255;

// The command as stored: blanks trimmed at both ends and NUL characters up to
// 255 characters. A command that long or longer is stored whole.
std::string PaddedStartupCommand(const std::string& command);

// The entry is on when its text, without its NUL characters, is the start-up
// command exactly: another letter case names another file.
class RegistryStartupList : public StartupList {
public:
    // With `elevation`, a write the list refuses for lack of rights is done
    // by an elevated copy of the program.
    RegistryStartupList(Registry& registry, std::string command, Elevation* elevation = nullptr)
        : registry_(registry), command_(std::move(command)), elevation_(elevation) {}
    bool IsOn() override;
    StartupResult Switch(bool on) override;
    // Writes the entry (on) or empties it (off) with the rights this process
    // has; the registry's status.
    RegStatus Write(bool on);
    // The value as stored, NULs and all; empty when it cannot be read.
    std::string ReadValue();

private:
    StartupResult SwitchElevated(bool on);
    Registry& registry_;
    std::string command_;
    Elevation* elevation_;
};

// The elevated copy's arguments: a switch of its own, on or off, and the
// command the entry must start.
std::vector<std::string> ElevatedStartupArguments(bool on, const std::string& command);
// True when the arguments ask for the elevated copy, valid or not: such a run
// is neither the window nor the command line.
bool IsElevatedStartupRun(const std::vector<std::string>& arguments);
// The elevated copy: writes or empties the entry as the window would, when
// the arguments are exactly that request for this copy's own command. The
// result is its exit code: the registry's status (0 written), or
// reg::kInvalidParameter with nothing written.
RegStatus RunElevatedStartup(const std::vector<std::string>& arguments, Registry& registry,
                             const std::string& ownCommand);

} // namespace tarvenel
