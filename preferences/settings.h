#pragma once
// The per-user settings store: text values addressed by application, section
// and key. The program uses one application (its title) and one section.
#include <optional>
#include <string>

namespace tarvenel {

inline constexpr const char* kSettingsSection = "SetLog";

namespace setting {
inline constexpr const char* kMsgOK = "MsgOK";
inline constexpr const char* kAutoOK = "AutoOK";
inline constexpr const char* kGuDingTime = "GuDingTime";
inline constexpr const char* kGuDingH = "GuDingH";
inline constexpr const char* kGuDingM = "GuDingM";
inline constexpr const char* kGuDingS = "GuDingS";
} // namespace setting

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key (or its section) is absent.
    virtual std::optional<std::string> Read(const std::string& app, const std::string& section,
                                            const std::string& key) = 0;
    // Stores the text, creating application and section as needed. False when
    // the store refused it.
    virtual bool Write(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& text) = 0;
};

// The stored text, or the default written as decimal text.
std::string ReadSetting(SettingsStore& store, const std::string& app, const std::string& section,
                        const std::string& key, int defaultValue);

bool WriteSetting(SettingsStore& store, const std::string& app, const std::string& section,
                  const std::string& key, const std::string& text);

} // namespace tarvenel
