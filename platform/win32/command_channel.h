#pragma once
// The command line's channel on Windows: WM_COPYDATA to the running copy's
// main window, found by its class in the user's own session, and the reply
// the same way back to a hidden window of the asking process.
#include "platform/win32/win_api.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scheduler/command_client.h"

namespace tarvenel::win32 {

// The main window's WM_COPYDATA: answers a request and sends the reply to
// `client`. FALSE for a message that is no request of ours.
LRESULT AnswerCopyData(const std::function<std::string(std::string_view)>& answer, HWND main,
                       HWND client, const COPYDATASTRUCT* data);

class CopyDataChannel : public CommandChannel {
public:
    bool Reachable() override;
    std::optional<std::string> Exchange(const std::string& request, int timeoutMs) override;
    std::function<bool()> StartCopy() override;
    void Pause(int ms) override { Sleep(static_cast<DWORD>(ms)); }
};

// The program's arguments after its name, UTF-8.
std::vector<std::string> CommandLineArguments();

// wWinMain for a run with arguments: no window of its own; the answer goes to
// the handles the caller gave or to the console of the shell that started
// it, and the result is the exit code.
int RunFromTerminal();

} // namespace tarvenel::win32
