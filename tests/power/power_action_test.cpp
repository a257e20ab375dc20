#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/fake_power.h"

namespace tarvenel::test {
namespace {

using Calls = std::vector<std::string>;

const Calls kPrivilegeThen13 = {"ClearLastError",
                                "OpenOwnProcessToken 40",
                                "LookupPrivilegeValue SeShutdownPrivilege",
                                "AdjustTokenPrivileges 42 0 1 19 2 16",
                                "CloseToken 42",
                                "ExitWindows 13 4294967295"};

TEST(PowerAction, FlagsAndNames) {
    EXPECT_EQ(PowerFlags(PowerAction::LogOff), 0u);
    EXPECT_EQ(PowerFlags(PowerAction::ForceLogOff), 4u);
    EXPECT_EQ(PowerFlags(PowerAction::ShutDown), 1u);
    EXPECT_EQ(PowerFlags(PowerAction::ForceShutDown), 5u);
    EXPECT_EQ(PowerFlags(PowerAction::ForcePowerOff), 13u);
    EXPECT_STREQ(PowerActionName(PowerAction::ForceShutDown), "ForceShutDown");
}

TEST(PowerAction, ShutdownActionsEnablePrivilegeFirstOnNt) {
    FakePowerSystem system;
    RunPowerAction(system, PowerAction::ForcePowerOff, 1);
    EXPECT_EQ(system.calls, kPrivilegeThen13);

    for (auto [action, flags] :
         {std::pair{PowerAction::ShutDown, "1"}, std::pair{PowerAction::ForceShutDown, "5"}}) {
        FakePowerSystem s;
        RunPowerAction(s, action, 1);
        ASSERT_EQ(s.calls.size(), 6u);
        EXPECT_EQ(s.calls.back(), std::string("ExitWindows ") + flags + " 4294967295");
    }
}

TEST(PowerAction, LogOffNeverTouchesTheToken) {
    for (auto action : {PowerAction::LogOff, PowerAction::ForceLogOff}) {
        FakePowerSystem system;
        RunPowerAction(system, action, 1);
        ASSERT_EQ(system.calls.size(), 1u);
        EXPECT_EQ(system.calls[0],
                  "ExitWindows " + std::to_string(PowerFlags(action)) + " 4294967295");
    }
}

TEST(PowerAction, OutsideNtNoActionTouchesTheToken) {
    for (auto action : {PowerAction::LogOff, PowerAction::ForceLogOff, PowerAction::ShutDown,
                        PowerAction::ForceShutDown, PowerAction::ForcePowerOff}) {
        FakePowerSystem system;
        RunPowerAction(system, action, 0);
        EXPECT_EQ(system.calls.size(), 1u);
    }
}

TEST(PowerAction, AFailingPrivilegeStepStillRequestsTheShutdown) {
    FakePowerSystem system;
    system.failToken = true;
    RunPowerAction(system, PowerAction::ForcePowerOff, 1);
    EXPECT_EQ(system.calls,
              (Calls{"ClearLastError", "OpenOwnProcessToken 40",
                     "LookupPrivilegeValue SeShutdownPrivilege",
                     "AdjustTokenPrivileges 0 0 1 19 2 16", "ExitWindows 13 4294967295"}));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST(PowerAction, DryRunAppendsLinesInsteadOfAsking) {
    const std::string file = testing::TempDir() + "tarvenel_dry_run.txt";
    std::remove(file.c_str());
    FakePowerSystem system;
    PowerRequester requester(system, file);
    EXPECT_TRUE(requester.Run(PowerAction::ForcePowerOff, 1).ok);
    EXPECT_TRUE(requester.Run(PowerAction::LogOff, 1).ok);
    EXPECT_TRUE(system.calls.empty());
    EXPECT_EQ(ReadFile(file), "ForcePowerOff 13\nLogOff 0\n");
    std::remove(file.c_str());
}

TEST(PowerAction, DryRunIntoAnUnwritablePlaceIsAFailure) {
    FakePowerSystem system;
    PowerRequester requester(system, testing::TempDir() + "no/such/dir/x.txt");
    const PowerResult result = requester.Run(PowerAction::ForcePowerOff, 1);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(system.calls.empty());
}

} // namespace
} // namespace tarvenel::test
