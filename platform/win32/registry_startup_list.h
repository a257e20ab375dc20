#pragma once
// The Windows start-up list: the value Vexalo under the machine-wide Run key.
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
    RegistryStartupList(Registry& registry, std::string command)
        : registry_(registry), command_(std::move(command)) {}
    bool IsOn() override;
    StartupResult Switch(bool on) override;
    // The value as stored, NULs and all; empty when it cannot be read.
    std::string ReadValue();

private:
    StartupResult Store(const std::string& text);
    Registry& registry_;
    std::string command_;
};

} // namespace tarvenel
