#include "platform/win32/command_channel.h"

#include <shellapi.h>

#include <memory>
#include <vector>

#include "platform/win32/native_form.h"
#include "platform/win32/wide.h"
#include "platform/win32/win_services.h"

namespace tarvenel::win32 {
namespace {

// dwData of the two messages: "TRVQ" and "TRVA", so that another program's
// WM_COPYDATA is never taken for ours.
constexpr ULONG_PTR kRequestTag = 0x54525651;
constexpr ULONG_PTR kReplyTag = 0x54525641;
constexpr wchar_t kReplyClass[] = L"Tarvenel.CommandReply";

LRESULT Send(HWND to, HWND from, ULONG_PTR tag, const std::string& text, UINT timeoutMs,
             DWORD_PTR* result) {
    COPYDATASTRUCT data{tag, static_cast<DWORD>(text.size()), const_cast<char*>(text.data())};
    return SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from),
                               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, timeoutMs,
                               result);
}

// The asking side's hidden window keeps the reply that comes back.
LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* reply = reinterpret_cast<std::string*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (reply && data->dwData == kReplyTag && data->cbData <= kMaxReplyBytes && data->lpData) {
            reply->assign(static_cast<const char*>(data->lpData), data->cbData);
            return TRUE;
        }
        return FALSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND RunningCopy() {
    return FindWindowW(WinForm::kMainClass, nullptr);
}

// A GUI program has no console of its own. Output goes to the handles the
// caller gave it (a pipe or a file: UTF-8), or else to the console of the
// shell that started it (UTF-16, right on every code page).
class Terminal {
public:
    Terminal() {
        out_ = Usable(GetStdHandle(STD_OUTPUT_HANDLE));
        err_ = Usable(GetStdHandle(STD_ERROR_HANDLE));
        if ((!out_ || !err_) && AttachConsole(ATTACH_PARENT_PROCESS)) {
            console_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
            if (console_ == INVALID_HANDLE_VALUE)
                console_ = nullptr;
            out_ = out_ ? out_ : console_;
            err_ = err_ ? err_ : console_;
        }
    }
    ~Terminal() {
        if (console_)
            CloseHandle(console_);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    void Out(const std::string& text) { Write(out_, text); }
    void Err(const std::string& text) { Write(err_, text); }

private:
    static HANDLE Usable(HANDLE handle) {
        return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }
    static void Write(HANDLE handle, const std::string& text) {
        if (!handle || text.empty())
            return;
        DWORD mode = 0, written = 0;
        if (GetConsoleMode(handle, &mode)) {
            std::wstring wide = Widen(text);
            WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        } else {
            WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        }
    }

    HANDLE out_ = nullptr;
    HANDLE err_ = nullptr;
    HANDLE console_ = nullptr;
};

} // namespace

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; argv && i < count; ++i)
        args.push_back(Narrow(argv[i]));
    LocalFree(argv);
    return args;
}

LRESULT AnswerCopyData(const std::function<std::string(std::string_view)>& answer, HWND main,
                       HWND client, const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kRequestTag || (data->cbData && !data->lpData))
        return FALSE;
    // Whatever it holds, the request is judged as a whole by the core; an
    // oversized one is refused there without being looked at.
    const std::string request(static_cast<const char*>(data->lpData),
                              data->cbData <= kMaxRequestBytes ? data->cbData
                                                               : kMaxRequestBytes + 1);
    const std::string reply = answer(request);
    if (IsWindow(client))
        Send(client, main, kReplyTag, reply, kRequestTimeoutMs, nullptr);
    return TRUE;
}

bool CopyDataChannel::Reachable() {
    return RunningCopy() != nullptr;
}

std::optional<std::string> CopyDataChannel::Exchange(const std::string& request, int timeoutMs) {
    const HWND running = RunningCopy();
    if (!running)
        return std::nullopt;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, kReplyClass, ReplyProc);
    const HWND window = CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        instance, nullptr);
    if (!window)
        return std::string(); // no way to hear the answer: no valid answer
    std::string reply;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&reply));
    // While this waits, the reply sent back to `window` is delivered.
    DWORD_PTR understood = FALSE;
    const bool sent =
        Send(running, window, kRequestTag, request, static_cast<UINT>(timeoutMs), &understood);
    DestroyWindow(window);
    if (!sent && !IsWindow(running))
        return std::nullopt; // it ended meanwhile
    return reply;
}

std::function<bool()> CopyDataChannel::StartCopy() {
    const std::wstring path = RunningProgramPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // No handles are inherited: the copy must not hold the caller's pipe.
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                        nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    const std::shared_ptr<void> handle(process.hProcess, CloseHandle);
    return [handle] { return WaitForSingleObject(handle.get(), 0) == WAIT_TIMEOUT; };
}

int RunFromTerminal() {
    CopyDataChannel channel;
    const CommandReply reply = RunCommandLine(CommandLineArguments(), channel);
    Terminal terminal;
    terminal.Out(reply.out);
    terminal.Err(reply.err);
    return reply.exitCode;
}

} // namespace tarvenel::win32
