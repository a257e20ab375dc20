#include "platform/win32/shell_elevation.h"

#include <shellapi.h>

#include "platform/win32/wide.h"
#include "platform/win32/win_services.h"

namespace tarvenel::win32 {
namespace {

// The copy does one registry write; one that has not ended by then hangs.
constexpr DWORD kCopyTimeoutMs = 60000;

} // namespace

ElevatedRun ShellElevation::Run(const std::vector<std::string>& arguments) {
    const std::wstring program = RunningProgramPath();
    const std::wstring parameters = Widen(JoinCommandLine(arguments));
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner_ ? *owner_ : nullptr;
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info)) {
        return {GetLastError() == ERROR_CANCELLED ? ElevatedRun::Outcome::Declined
                                                  : ElevatedRun::Outcome::NotStarted,
                0};
    }
    if (!info.hProcess)
        return {ElevatedRun::Outcome::NotStarted, 0};
    DWORD code = ERROR_TIMEOUT;
    if (Wait(info.hProcess))
        GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return {ElevatedRun::Outcome::Ended, static_cast<long>(code)};
}

bool ShellElevation::Wait(HANDLE process) {
    const HWND owner = owner_ ? *owner_ : nullptr;
    const bool wasEnabled = owner && IsWindowEnabled(owner);
    if (wasEnabled)
        EnableWindow(owner, FALSE);
    const DWORD start = GetTickCount();
    bool ended = false;
    bool quit = false;
    WPARAM quitCode = 0;
    while (!quit) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= kCopyTimeoutMs)
            break;
        const DWORD result =
            MsgWaitForMultipleObjects(1, &process, FALSE, kCopyTimeoutMs - waited, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
        if (result != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = msg.wParam;
                break;
            }
            if (preTranslate_ && preTranslate_(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (!ended)
        TerminateProcess(process, ERROR_TIMEOUT); // hung; what it did is read back
    if (wasEnabled && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode)); // the program's own loop ends
    return ended;
}

} // namespace tarvenel::win32
