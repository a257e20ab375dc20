// The steps of a power request on Windows, against a recording system.
#include <gtest/gtest.h>

#include "platform/win32/shutdown_privilege.h"

namespace tarvenel::win32 {
namespace {

using Calls = std::vector<std::string>;

class RecordingApi : public ShutdownApi {
public:
    std::uint32_t GetVersion() override { return version; }
    void ClearLastError() override { calls.push_back("ClearLastError"); }
    std::optional<Token> OpenOwnProcessToken(std::uint32_t access) override {
        calls.push_back("OpenOwnProcessToken " + std::to_string(access));
        return failToken ? std::nullopt : std::optional<Token>(42);
    }
    Luid LookupPrivilegeValue(const std::string& name) override {
        calls.push_back("LookupPrivilegeValue " + name);
        return Luid{19, 0};
    }
    void AdjustTokenPrivileges(Token token, bool disableAll, const TokenPrivileges& state,
                               std::uint32_t length) override {
        calls.push_back("AdjustTokenPrivileges " + std::to_string(token) + " " +
                        std::to_string(disableAll) + " " + std::to_string(state.privilegeCount) +
                        " " + std::to_string(state.luid.lowPart) + " " +
                        std::to_string(state.attributes) + " " + std::to_string(length));
    }
    void CloseToken(Token token) override {
        calls.push_back("CloseToken " + std::to_string(token));
    }
    PowerResult ExitWindows(std::uint32_t flags, std::uint32_t reason) override {
        calls.push_back("ExitWindows " + std::to_string(flags) + " " + std::to_string(reason));
        return {};
    }
    Calls calls;
    bool failToken = false;
    std::uint32_t version = 0x1DB10106; // an NT family number
};

const Calls kPrivilegeThen13 = {"ClearLastError",
                                "OpenOwnProcessToken 40",
                                "LookupPrivilegeValue SeShutdownPrivilege",
                                "AdjustTokenPrivileges 42 0 1 19 2 16",
                                "CloseToken 42",
                                "ExitWindows 13 4294967295"};

TEST(ShutdownPrivilege, ShutdownActionsEnableThePrivilegeFirstOnNt) {
    RecordingApi api;
    RequestPower(api, PowerAction::ForcePowerOff);
    EXPECT_EQ(api.calls, kPrivilegeThen13);
    for (auto [action, flags] :
         {std::pair{PowerAction::ShutDown, "1"}, std::pair{PowerAction::ForceShutDown, "5"}}) {
        RecordingApi each;
        RequestPower(each, action);
        ASSERT_EQ(each.calls.size(), 6u);
        EXPECT_EQ(each.calls.back(), std::string("ExitWindows ") + flags + " 4294967295");
    }
}

TEST(ShutdownPrivilege, LogOffAndTheOldFamilyNeverTouchTheToken) {
    for (auto action : {PowerAction::LogOff, PowerAction::ForceLogOff}) {
        RecordingApi api;
        RequestPower(api, action);
        EXPECT_EQ(api.calls,
                  Calls{"ExitWindows " + std::to_string(PowerFlags(action)) + " 4294967295"});
    }
    for (auto action : {PowerAction::ShutDown, PowerAction::ForcePowerOff}) {
        RecordingApi api;
        api.version = 0xC0000A04; // bit 31 set: not the NT family
        RequestPower(api, action);
        EXPECT_EQ(api.calls.size(), 1u);
    }
}

TEST(ShutdownPrivilege, AFailingStepStillRequestsTheShutdown) {
    RecordingApi api;
    api.failToken = true;
    RequestPower(api, PowerAction::ForcePowerOff);
    EXPECT_EQ(api.calls,
              (Calls{"ClearLastError", "OpenOwnProcessToken 40",
                     "LookupPrivilegeValue SeShutdownPrivilege",
                     "AdjustTokenPrivileges 0 0 1 19 2 16", "ExitWindows 13 4294967295"}));
}

} // namespace
} // namespace tarvenel::win32
