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

constexpr const char* kSwitch = "--tarvenel-elevated-startup-entry";

std::string Reason(RegStatus status) {
    if (status == reg::kAccessDenied)
        return "拒绝访问：修改本机的启动项需要管理员权限，请以管理员身份运行本程序后再试。";
    return "注册表操作失败（错误代码 " + std::to_string(status) + "）。";
}

std::string Reason(const ElevatedRun& run) {
    switch (run.outcome) {
    case ElevatedRun::Outcome::Declined:
        return "修改本机的启动项需要管理员权限，系统的授权请求没有得到同意。";
    case ElevatedRun::Outcome::NotStarted:
        return Reason(reg::kAccessDenied);
    case ElevatedRun::Outcome::Ended:
        break;
    }
    if (run.exitCode == 0)
        return "以管理员身份修改后，启动项仍不是所要的状态。";
    return "以管理员身份修改启动项也失败了（错误代码 " + std::to_string(run.exitCode) + "）。";
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
    const RegStatus status = Write(on);
    if (status == reg::kSuccess)
        return {};
    if (status == reg::kAccessDenied && elevation_)
        return SwitchElevated(on);
    return {false, Reason(status)};
}

RegStatus RegistryStartupList::Write(bool on) {
    // Off empties the value and keeps it. The write tells whether it worked;
    // a key that could not be created simply cannot be opened there.
    module2::EnsureKey(registry_, RootKey::LocalMachine, kRunKey);
    return module2::WriteRegistryValue(registry_, RootKey::LocalMachine, kRunKey, kRunValueName,
                                       on ? PaddedStartupCommand(command_) : std::string(),
                                       reg::kSz);
}

StartupResult RegistryStartupList::SwitchElevated(bool on) {
    const ElevatedRun run = elevation_->Run(ElevatedStartupArguments(on, command_));
    // What counts is what the list holds now, read back with this
    // process's own rights.
    if (run.outcome == ElevatedRun::Outcome::Ended && run.exitCode == 0 && IsOn() == on)
        return {};
    return {false, Reason(run)};
}

std::vector<std::string> ElevatedStartupArguments(bool on, const std::string& command) {
    return {kSwitch, on ? "on" : "off", command};
}

bool IsElevatedStartupRun(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments.front() == kSwitch;
}

RegStatus RunElevatedStartup(const std::vector<std::string>& arguments, Registry& registry,
                             const std::string& ownCommand) {
    // One request only, and only for this very program: an elevated copy
    // must not become a way to start anything else with the system.
    if (arguments.size() != 3 || !IsElevatedStartupRun(arguments) ||
        (arguments[1] != "on" && arguments[1] != "off") || arguments[2] != ownCommand)
        return reg::kInvalidParameter;
    return RegistryStartupList(registry, ownCommand).Write(arguments[1] == "on");
}

} // namespace tarvenel
