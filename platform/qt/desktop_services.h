#pragma once
// Small operating-system services of the core, over Qt.
#include <QLockFile>
#include <QString>
#include <memory>

#include "app/form_design.h"
#include "app/instance_guard.h"
#include "app/screen.h"
#include "preferences/url_opener.h"
#include "scheduler/clock.h"

namespace tarvenel::qt {

class LocalClock : public Clock {
public:
    CivilDateTime Now() override;
};

// The user's locale (QLocale's system locale) writes dates and times.
class LocaleDateTimeText : public DateTimeText {
public:
    std::string ShortDate(int year, int month, int day) override;
    std::string LongTime(int hour, int minute, int second) override;
};

// The primary screen where it lies among the others. Qt lays out in
// device-independent pixels of 1/96 inch, so a pixel is always 15 twips.
class PrimaryScreen : public Screen {
public:
    TwipsRect Area() const override;
};

class DesktopUrlOpener : public UrlOpener {
public:
    void Open(const std::string& url) override;
};

// One lock file per user session, in the runtime directory. The lock lives
// as long as this object, that is as long as the program runs.
class LockFileInstanceGuard : public InstanceGuard {
public:
    explicit LockFileInstanceGuard(QString lockFile = DefaultLockFile());
    // Empty when there is no usable runtime directory at all.
    static QString DefaultLockFile();
    bool AnotherInstanceRunning() override;
    // When the lock could not be made at all the program still runs, but a
    // second copy can no longer be kept out: this says so for its user
    // (empty otherwise).
    std::string Problem() const { return problem_; }

private:
    QString file_;
    QLockFile lock_;
    std::string problem_;
};

} // namespace tarvenel::qt
