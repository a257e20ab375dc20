#pragma once
// Elevation through the shell: ShellExecuteExW with the verb "runas" on the
// program's own executable brings up the system's consent prompt, and the
// copy it starts runs with an administrator's rights.
#include "platform/win32/win_api.h"

#include <functional>

#include "platform/win32/elevation.h"

namespace tarvenel::win32 {

class ShellElevation : public Elevation {
public:
    // `owner`: the window the prompt belongs to, which takes no input while
    // the copy runs. `preTranslate`: the program loop's own handling of a
    // message (the countdown dialog's keys), true when it took it.
    ShellElevation(HWND* owner, std::function<bool(MSG&)> preTranslate)
        : owner_(owner), preTranslate_(std::move(preTranslate)) {}

    ElevatedRun Run(const std::vector<std::string>& arguments) override;

private:
    // Waits for the copy with the messages flowing, as a modal box does.
    bool Wait(HANDLE process);

    HWND* owner_;
    std::function<bool(MSG&)> preTranslate_;
};

} // namespace tarvenel::win32
