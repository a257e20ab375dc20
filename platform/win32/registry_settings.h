#pragma once
// The settings store kept in the registry: text values under
// HKEY_CURRENT_USER\Software\<application>\<section>, one value per key.
#include "platform/win32/registry.h"
#include "preferences/settings.h"

namespace tarvenel {

// The sub-key of the current user's part of the registry for one section.
std::string SettingsKeyPath(const std::string& app, const std::string& section);

class RegistrySettingsStore : public SettingsStore {
public:
    explicit RegistrySettingsStore(Registry& registry) : registry_(registry) {}
    // Text or number values; a text ends at its first NUL character. Nothing
    // when the key or the value is missing or has another type.
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    // A text value with its terminating NUL, as other registry tools expect.
    bool Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& text) override;

private:
    Registry& registry_;
};

} // namespace tarvenel
