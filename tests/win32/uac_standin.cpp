// Plays Windows' user account control, which Wine lacks, for the tests:
//
//   uac-standin.exe grant|refuse PROGRAM [ARGUMENTS...]
//
// gives the machine-wide Run key the rights it has on Windows (administrators
// and the system write, users read), starts PROGRAM with the filtered token
// Windows gives every program started normally (the Administrators group for
// denying only), and watches the processes it starts, as a debugger. A copy
// of PROGRAM that it starts is a request for elevation (ShellExecuteExW with
// "runas", which Wine runs as a plain start): "grant" answers it as the
// consent prompt's Yes, giving the copy's thread the user's full token;
// "refuse" leaves it filtered, so that its write fails. Each request is
// written to standard output. The exit code is PROGRAM's.
#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <string>

namespace {

bool SameFile(const std::wstring& a, const std::wstring& b) {
    const auto name = [](const std::wstring& path) {
        const auto slash = path.find_last_of(L"\\/");
        return path.substr(slash == std::wstring::npos ? 0 : slash + 1);
    };
    return lstrcmpiW(name(a).c_str(), name(b).c_str()) == 0;
}

std::wstring ImageOf(HANDLE process) {
    wchar_t path[MAX_PATH * 4] = {};
    DWORD size = MAX_PATH * 4;
    return QueryFullProcessImageNameW(process, 0, path, &size) ? path : L"";
}

bool LockRunKey() {
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;CI;KA;;;BA)(A;CI;KA;;;SY)(A;CI;KR;;;BU)", SDDL_REVISION_1, &sd, nullptr))
        return false;
    HKEY key = nullptr;
    LONG status =
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      WRITE_DAC | READ_CONTROL, &key);
    if (status == ERROR_SUCCESS) {
        status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
        RegCloseKey(key);
    }
    LocalFree(sd);
    return status == ERROR_SUCCESS;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || (lstrcmpW(argv[1], L"grant") != 0 && lstrcmpW(argv[1], L"refuse") != 0)) {
        std::fputs("usage: uac-standin.exe grant|refuse PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    const bool grant = lstrcmpW(argv[1], L"grant") == 0;
    const std::wstring program = argv[2];
    if (!LockRunKey()) {
        std::fputs("uac-standin: cannot set the Run key's rights\n", stderr);
        return 2;
    }

    HANDLE full = nullptr, filtered = nullptr, impersonation = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &full);
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                             0, 0, 0, &administrators);
    SID_AND_ATTRIBUTES denyOnly{administrators, 0};
    if (!CreateRestrictedToken(full, 0, 1, &denyOnly, 0, nullptr, 0, nullptr, &filtered) ||
        !DuplicateTokenEx(full, TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation,
                          TokenImpersonation, &impersonation)) {
        std::fputs("uac-standin: cannot make the tokens\n", stderr);
        return 2;
    }

    std::wstring commandLine = L"\"" + program + L"\"";
    for (int i = 3; i < argc; ++i)
        commandLine += std::wstring(L" ") + argv[i];
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessAsUserW(filtered, program.c_str(), commandLine.data(), nullptr, nullptr,
                              FALSE, DEBUG_PROCESS, nullptr, nullptr, &startup, &started)) {
        std::fprintf(stderr, "uac-standin: cannot start the program (%lu)\n", GetLastError());
        return 2;
    }

    DEBUG_EVENT event{};
    for (bool running = true; running && WaitForDebugEvent(&event, INFINITE);) {
        DWORD go = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT: {
            const CREATE_PROCESS_DEBUG_INFO& created = event.u.CreateProcessInfo;
            if (event.dwProcessId != started.dwProcessId &&
                SameFile(ImageOf(created.hProcess), program)) {
                HANDLE thread = created.hThread;
                const bool elevated = grant && SetThreadToken(&thread, impersonation);
                std::printf("%s: process %lu\n", elevated ? "granted" : "refused",
                            event.dwProcessId);
                std::fflush(stdout);
            }
            if (created.hFile)
                CloseHandle(created.hFile);
            break;
        }
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile)
                CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXCEPTION_DEBUG_EVENT:
            // The program's own exceptions are its own to handle.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                go = DBG_EXCEPTION_NOT_HANDLED;
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            running = event.dwProcessId != started.dwProcessId;
            break;
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, go);
    }
    DWORD code = 1;
    WaitForSingleObject(started.hProcess, 5000);
    GetExitCodeProcess(started.hProcess, &code);
    return static_cast<int>(code);
}
