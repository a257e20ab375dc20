#pragma once
// The system's list of programs started with the user's session. On Windows it
// is the machine-wide Run key of the registry; on Linux an XDG autostart entry.
#include <string>

namespace tarvenel {

struct StartupResult {
    bool ok = true;
    std::string reason; // why it failed, in the user's language when known
};

class StartupList {
public:
    virtual ~StartupList() = default;
    // The command stored for this program, as stored (it may carry trailing
    // NUL characters); empty when there is no readable entry.
    virtual std::string ReadCommand() = 0;
    // Puts the command into the list.
    virtual StartupResult Register(const std::string& command) = 0;
    // Takes the program out of the list (the entry itself may stay, emptied).
    virtual StartupResult Unregister() = 0;
};

} // namespace tarvenel
