#include "platform/win32/registry_settings.h"

namespace tarvenel {
namespace {
constexpr std::uint32_t kQueryValue = 0x1;
constexpr std::uint32_t kSetValue = 0x2;
} // namespace

std::string SettingsKeyPath(const std::string& app, const std::string& section) {
    return "Software\\" + app + "\\" + section;
}

std::optional<std::string> RegistrySettingsStore::Read(const std::string& app,
                                                       const std::string& section,
                                                       const std::string& key) {
    RegKey handle = 0;
    // Reading never creates anything, so a missing key simply means "absent".
    if (registry_.OpenKey(RootKey::CurrentUser, SettingsKeyPath(app, section), kQueryValue,
                          handle) != reg::kSuccess)
        return std::nullopt;
    const module2::ReadResult result = module2::ReadValueFromKey(registry_, handle, key);
    registry_.CloseKey(handle);
    if (result.status != reg::kSuccess)
        return std::nullopt;
    return result.value.substr(0, result.value.find('\0'));
}

bool RegistrySettingsStore::Write(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& text) {
    RegKey handle = 0;
    if (registry_.CreateKey(RootKey::CurrentUser, SettingsKeyPath(app, section),
                            reg::kOptionNonVolatile, kQueryValue | kSetValue,
                            handle) != reg::kSuccess)
        return false;
    const RegStatus status = registry_.SetString(handle, key, text + '\0');
    registry_.CloseKey(handle);
    return status == reg::kSuccess;
}

} // namespace tarvenel
