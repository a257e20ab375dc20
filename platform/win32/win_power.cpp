#include "platform/win32/win_power.h"

#include "platform/win32/win_api.h"

#include "platform/win32/wide.h"

namespace tarvenel::win32 {
namespace {

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return Narrow(message) + " (" + std::to_string(error) + ")";
}

} // namespace

std::uint32_t WinShutdownApi::GetVersion() {
    // The one caller wants the raw number whose bit 31 marks the old family.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return ::GetVersion();
#pragma GCC diagnostic pop
}

void WinShutdownApi::ClearLastError() {
    SetLastError(0);
}

std::optional<ShutdownApi::Token> WinShutdownApi::OpenOwnProcessToken(std::uint32_t access) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), access, &token))
        return std::nullopt;
    return reinterpret_cast<Token>(token);
}

Luid WinShutdownApi::LookupPrivilegeValue(const std::string& name) {
    LUID luid{};
    LookupPrivilegeValueW(nullptr, Widen(name).c_str(), &luid);
    return {static_cast<std::uint32_t>(luid.LowPart), static_cast<std::int32_t>(luid.HighPart)};
}

void WinShutdownApi::AdjustTokenPrivileges(Token token, bool disableAll,
                                           const TokenPrivileges& newState,
                                           std::uint32_t previousStateLength) {
    static_assert(sizeof(TOKEN_PRIVILEGES) == sizeof(TokenPrivileges));
    TOKEN_PRIVILEGES state{};
    state.PrivilegeCount = newState.privilegeCount;
    state.Privileges[0].Luid.LowPart = newState.luid.lowPart;
    state.Privileges[0].Luid.HighPart = newState.luid.highPart;
    state.Privileges[0].Attributes = newState.attributes;
    TOKEN_PRIVILEGES previous{};
    DWORD returned = 0;
    ::AdjustTokenPrivileges(reinterpret_cast<HANDLE>(token), disableAll, &state,
                            previousStateLength, &previous, &returned);
}

void WinShutdownApi::CloseToken(Token token) {
    CloseHandle(reinterpret_cast<HANDLE>(token));
}

PowerResult WinShutdownApi::ExitWindows(std::uint32_t flags, std::uint32_t reason) {
    if (ExitWindowsEx(flags, reason))
        return {};
    return {false, SystemMessage(GetLastError())};
}

} // namespace tarvenel::win32
