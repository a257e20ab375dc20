#pragma once
// Small operating-system services of the forms: clock, locale texts,
// message boxes, web links, the screen, the previous-instance test and where
// the program lives.
#include "platform/win32/win_api.h"

#include "app/dialogs.h"
#include "app/instance_guard.h"
#include "app/screen.h"
#include "platform/win32/program_location.h"
#include "preferences/url_opener.h"
#include "scheduler/clock.h"

namespace tarvenel::win32 {

class WinClock : public Clock {
public:
    CivilDateTime Now() override;
};

// The user's short date and long time forms (GetDateFormatEx, GetTimeFormatEx).
class WinDateText : public DateTimeText {
public:
    std::string ShortDate(int year, int month, int day) override;
    std::string LongTime(int hour, int minute, int second) override;
};

// MessageBoxW owned by whichever window the program shows at the moment.
class WinDialogs : public Dialogs {
public:
    explicit WinDialogs(HWND* owner) : owner_(owner) {}
    int MessageBox(const std::string& text, int style, const std::string& caption) override;

private:
    HWND* owner_;
};

class WinUrlOpener : public UrlOpener {
public:
    explicit WinUrlOpener(HWND* owner) : owner_(owner) {}
    void Open(const std::string& url) override;

private:
    HWND* owner_;
};

// The primary monitor, which Windows always puts at the desktop's origin.
class WinScreen : public Screen {
public:
    TwipsRect Area() const override;
};

// A named mutex per session: the first copy creates it, later copies find it.
class MutexInstanceGuard : public InstanceGuard {
public:
    ~MutexInstanceGuard() override;
    bool AnotherInstanceRunning() override;

private:
    HANDLE mutex_ = nullptr;
};

// The running executable's directory, file title and extension.
// The running executable's full path, however long.
std::wstring RunningProgramPath();
ProgramLocation RunningProgramLocation();

} // namespace tarvenel::win32
