#include "platform/qt/desktop_services.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/qt_string.h"

namespace tarvenel::qt {
namespace {

// Long time formats of some locales name the time zone ("t"); the clock text
// of the program never does.
QString WithoutTimeZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        out += c;
    }
    return out.trimmed();
}

} // namespace

CivilDateTime LocalClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::string LocaleDateTimeText::ShortDate(int year, int month, int day) {
    const QLocale locale = QLocale::system();
    return FromQt(locale.toString(QDate(year, month, day), QLocale::ShortFormat));
}

std::string LocaleDateTimeText::LongTime(int hour, int minute, int second) {
    const QLocale locale = QLocale::system();
    return FromQt(locale.toString(QTime(hour, minute, second),
                                  WithoutTimeZone(locale.timeFormat(QLocale::LongFormat))));
}

TwipsRect PrimaryScreen::Area() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect area = screen->geometry();
    return {PixelsToTwips(area.x()), PixelsToTwips(area.y()), PixelsToTwips(area.width()),
            PixelsToTwips(area.height())};
}

void DesktopUrlOpener::Open(const std::string& url) {
    QDesktopServices::openUrl(QUrl(ToQt(url)));
}

LockFileInstanceGuard::LockFileInstanceGuard(QString lockFile)
    : file_(std::move(lockFile)), lock_(file_) {}

QString LockFileInstanceGuard::DefaultLockFile() {
    // Qt already falls back to a private folder under the temporary folder
    // when XDG_RUNTIME_DIR is unset or not the user's; empty means even that
    // failed, and the root folder is no place for the lock.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/tarvenel.lock");
}

bool LockFileInstanceGuard::AnotherInstanceRunning() {
    if (lock_.isLocked())
        return false;
    // A lock left by a copy that crashed names a dead process; QLockFile
    // takes it over.
    if (!file_.isEmpty() && lock_.tryLock(0))
        return false;
    if (!file_.isEmpty() && lock_.error() == QLockFile::LockFailedError)
        return true;
    problem_ = "无法创建单实例锁文件" + (file_.isEmpty() ? std::string() : " " + FromQt(file_)) +
               "。\r\n程序会继续运行，但不能阻止同时运行多个副本。\r\n"
               "请检查 XDG_RUNTIME_DIR 所指的目录是否存在并可以写入。";
    return false;
}

} // namespace tarvenel::qt
