#pragma once

namespace tarvenel {

// Tells whether another copy of the program already runs in this session.
// A second copy ends at once: no window, no message, no settings read.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool AnotherInstanceRunning() = 0;
};

} // namespace tarvenel
