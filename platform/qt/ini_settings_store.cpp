#include "platform/qt/ini_settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/qt/qt_string.h"

namespace tarvenel::qt {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
    return ToQt(section) + QLatin1Char('/') + ToQt(key);
}

} // namespace

IniSettingsStore::IniSettingsStore(QString configDir) : configDir_(std::move(configDir)) {}

QString IniSettingsStore::DefaultConfigDir() {
    // Honours XDG_CONFIG_HOME and falls back to ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString IniSettingsStore::FileOf(const std::string& app) const {
    const QString name = ToQt(app);
    return configDir_ + QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".ini");
}

std::optional<std::string>
IniSettingsStore::Read(const std::string& app, const std::string& section, const std::string& key) {
    QSettings file(FileOf(app), QSettings::IniFormat);
    const QVariant value = file.value(KeyOf(section, key));
    if (!value.isValid())
        return std::nullopt;
    return FromQt(value.toString());
}

bool IniSettingsStore::Write(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& text) {
    const QString path = FileOf(app);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings file(path, QSettings::IniFormat);
    file.setValue(KeyOf(section, key), ToQt(text));
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace tarvenel::qt
