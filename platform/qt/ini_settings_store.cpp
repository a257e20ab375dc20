#include "platform/qt/ini_settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <sys/stat.h>

#include "platform/qt/qt_string.h"

namespace tarvenel::qt {
namespace {

// The file's inode, 0 when there is none.
ino_t FileNumber(const QString& path) {
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

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
    const ino_t before = FileNumber(path);
    QSettings file(path, QSettings::IniFormat);
    file.setValue(KeyOf(section, key), ToQt(text));
    file.sync();
    if (file.status() != QSettings::FormatError)
        return file.status() == QSettings::NoError;
    // QSettings keeps the first error it meets, so a damaged file's parse
    // error hides whether the write itself worked. A written file is a new
    // one renamed into place (a write is never made in place).
    return FileNumber(path) != before;
}

} // namespace tarvenel::qt
