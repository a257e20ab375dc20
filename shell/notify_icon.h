#pragma once
#include <string>

namespace tarvenel {

// The program's icon in the notification area of the taskbar.
class NotifyIcon {
public:
    virtual ~NotifyIcon() = default;
    // Adds the icon with its tool-tip; false when the shell refused it and the
    // icon is not there. Adding an icon that is already there keeps it.
    virtual bool Add(const std::string& tip) = 0;
    // Removes the icon; harmless when there is none.
    virtual void Remove() = 0;
};

} // namespace tarvenel
