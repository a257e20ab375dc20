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

int PrimaryScreen::WidthTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? PixelsToTwips(screen->geometry().width()) : 0;
}

int PrimaryScreen::HeightTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? PixelsToTwips(screen->geometry().height()) : 0;
}

void DesktopUrlOpener::Open(const std::string& url) {
    QDesktopServices::openUrl(QUrl(ToQt(url)));
}

LockFileInstanceGuard::LockFileInstanceGuard(QString lockFile) : lock_(std::move(lockFile)) {}

QString LockFileInstanceGuard::DefaultLockFile() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/tarvenel.lock");
}

bool LockFileInstanceGuard::AnotherInstanceRunning() {
    if (lock_.isLocked())
        return false;
    // A lock left by a copy that crashed names a dead process; QLockFile
    // takes it over.
    return !lock_.tryLock(0) && lock_.error() == QLockFile::LockFailedError;
}

} // namespace tarvenel::qt
