#pragma once
// The Windows start-up list: the value Vexalo under the machine-wide Run key.
#include "preferences/registry.h"
#include "preferences/startup_list.h"

namespace tarvenel {

inline constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "Vexalo";
inline constexpr std::size_t kPaddedCommandLength = 255;

// The command as stored: blanks trimmed at both ends and NUL characters up to
// 255 characters. A command that long or longer is stored whole.
std::string PaddedStartupCommand(const std::string& command);

class RegistryStartupList : public StartupList {
public:
    explicit RegistryStartupList(Registry& registry) : registry_(registry) {}
    std::string ReadCommand() override;
    StartupResult Register(const std::string& command) override;
    StartupResult Unregister() override;

private:
    StartupResult Store(const std::string& text);
    Registry& registry_;
};

} // namespace tarvenel
