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
    // True when the list starts this very program; false when it starts
    // nothing, another file, or cannot be read.
    virtual bool IsOn() = 0;
    // Puts the program into the list, or takes it out.
    virtual StartupResult Switch(bool on) = 0;
};

} // namespace tarvenel
