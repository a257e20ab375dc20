#include "platform/win32/registry_startup_list.h"

#include <algorithm>

namespace tarvenel {
namespace {

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Reason(RegStatus status) {
    if (status == reg::kAccessDenied)
        return "拒绝访问：修改本机的启动项需要管理员权限，请以管理员身份运行本程序后再试。";
    return "注册表操作失败（错误代码 " + std::to_string(status) + "）。";
}

} // namespace

std::string PaddedStartupCommand(const std::string& command) {
    std::string padded = Trim(command);
    // Cutting a long path would store a command that starts nothing.
    const std::size_t length = CharacterCount(padded);
    if (length < kPaddedCommandLength)
        padded.append(kPaddedCommandLength - length, '\0');
    return padded;
}

std::string RegistryStartupList::ReadValue() {
    return module2::ReadRegistryValue(registry_, RootKey::LocalMachine, kRunKey, kRunValueName);
}

bool RegistryStartupList::IsOn() {
    std::string stored = ReadValue();
    stored.erase(std::remove(stored.begin(), stored.end(), '\0'), stored.end());
    return stored == command_;
}

StartupResult RegistryStartupList::Switch(bool on) {
    // Off empties the value and keeps it.
    return Store(on ? PaddedStartupCommand(command_) : std::string());
}

StartupResult RegistryStartupList::Store(const std::string& text) {
    // The write below tells whether it worked; a key that could not be
    // created simply cannot be opened there.
    module2::EnsureKey(registry_, RootKey::LocalMachine, kRunKey);
    const RegStatus status = module2::WriteRegistryValue(registry_, RootKey::LocalMachine, kRunKey,
                                                         kRunValueName, text, reg::kSz);
    if (status != reg::kSuccess)
        return {false, Reason(status)};
    return {};
}

} // namespace tarvenel
