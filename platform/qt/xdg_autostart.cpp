#include "platform/qt/xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/qt/qt_string.h"
#include "preferences/desktop_entry.h"

namespace tarvenel::qt {

XdgAutostartEntry::XdgAutostartEntry(QString file, QString program)
    : file_(std::move(file)), program_(std::move(program)) {}

QString XdgAutostartEntry::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/tarvenel.desktop");
}

QString XdgAutostartEntry::Read() {
    QFile file(file_);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString XdgAutostartEntry::ReadProgram() {
    return ToQt(ProgramOfEntry(FromQt(Read())));
}

StartupResult XdgAutostartEntry::Switch(bool on) {
    const std::string entry = FromQt(Read());
    const std::string text =
        on ? SwitchedOnEntry(entry, FromQt(program_)) : SwitchedOffEntry(entry);
    // Written whole or not at all: a failed write leaves the old entry.
    QSaveFile file(file_);
    if (!QDir().mkpath(QFileInfo(file_).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(QByteArray::fromStdString(text)) < 0 || !file.commit())
        return {false, "无法写入自动启动文件 " + FromQt(file_)};
    return {};
}

} // namespace tarvenel::qt
