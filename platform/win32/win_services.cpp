#include "platform/win32/win_services.h"

#include <shellapi.h>

#include "app/form_design.h"
#include "platform/win32/wide.h"

namespace tarvenel::win32 {

CivilDateTime WinClock::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string WinDateText::ShortDate(int year, int month, int day) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    wchar_t text[128] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, 128, nullptr);
    return Narrow(text);
}

std::string WinDateText::LongTime(int hour, int minute, int second) {
    SYSTEMTIME t{};
    t.wYear = 2000;
    t.wMonth = 1;
    t.wDay = 1;
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    wchar_t text[128] = {};
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, nullptr, text, 128);
    return Narrow(text);
}

int WinDialogs::MessageBox(const std::string& text, int style, const std::string& caption) {
    // Owned by the window the user works in, so that the box stays above it
    // (the countdown dialog is topmost); with every window hidden it stands
    // alone, on top.
    HWND owner = GetActiveWindow();
    if (!owner && *owner_ && IsWindowVisible(*owner_))
        owner = *owner_;
    const UINT alone = owner ? 0 : MB_TASKMODAL | MB_TOPMOST;
    // The message numbers of the core are the system's own.
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(),
                       static_cast<UINT>(style) | MB_SETFOREGROUND | alone);
}

void WinUrlOpener::Open(const std::string& url) {
    ShellExecuteW(*owner_, L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

TwipsRect WinScreen::Area() const {
    return {0, 0, PixelsToTwips(GetSystemMetrics(SM_CXSCREEN)),
            PixelsToTwips(GetSystemMetrics(SM_CYSCREEN))};
}

MutexInstanceGuard::~MutexInstanceGuard() {
    if (mutex_)
        CloseHandle(mutex_);
}

bool MutexInstanceGuard::AnotherInstanceRunning() {
    if (!mutex_)
        mutex_ = CreateMutexW(nullptr, FALSE, L"Local\\Tarvenel.SingleInstance");
    return mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring RunningProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

ProgramLocation RunningProgramLocation() {
    const std::string full = Narrow(RunningProgramPath());
    const std::size_t slash = full.find_last_of('\\');
    ProgramLocation location;
    location.directory = full.substr(0, slash + 1);
    std::string name = full.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    location.fileTitle = name.substr(0, dot);
    // The start-up command always names the program file with ".exe".
    location.extension = ".exe";
    location.separator = '\\';
    return location;
}

} // namespace tarvenel::win32
