#pragma once
// The settings store as INI files: one file per application,
// <config>/<app>/<app>.ini, one group per section, text values.
#include <QString>

#include "preferences/settings.h"

namespace tarvenel::qt {

class IniSettingsStore : public SettingsStore {
public:
    // configDir: where the per-application folders go, normally
    // $XDG_CONFIG_HOME (~/.config when unset).
    explicit IniSettingsStore(QString configDir);
    static QString DefaultConfigDir();

    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    bool Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& text) override;

    QString FileOf(const std::string& app) const;

private:
    QString configDir_;
};

} // namespace tarvenel::qt
