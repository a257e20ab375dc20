#include "preferences/settings.h"

namespace tarvenel {

std::string ReadSetting(SettingsStore& store, const std::string& app, const std::string& section,
                        const std::string& key, int defaultValue) {
    if (auto text = store.Read(app, section, key))
        return *text;
    return std::to_string(defaultValue);
}

bool WriteSetting(SettingsStore& store, const std::string& app, const std::string& section,
                  const std::string& key, const std::string& text) {
    return store.Write(app, section, key, text);
}

} // namespace tarvenel
