#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "power/power_action.h"

namespace tarvenel::test {
namespace {

TEST(PowerAction, FlagsAndNames) {
    EXPECT_EQ(PowerFlags(PowerAction::LogOff), 0u);
    EXPECT_EQ(PowerFlags(PowerAction::ForceLogOff), 4u);
    EXPECT_EQ(PowerFlags(PowerAction::ShutDown), 1u);
    EXPECT_EQ(PowerFlags(PowerAction::ForceShutDown), 5u);
    EXPECT_EQ(PowerFlags(PowerAction::ForcePowerOff), 13u);
    EXPECT_STREQ(PowerActionName(PowerAction::ForceShutDown), "ForceShutDown");
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
    DryRunRequester requester(file);
    EXPECT_TRUE(requester.Request(PowerAction::ForcePowerOff).ok);
    EXPECT_TRUE(requester.Request(PowerAction::LogOff).ok);
    EXPECT_EQ(ReadFile(file), "ForcePowerOff 13\nLogOff 0\n");
    std::remove(file.c_str());
}

TEST(PowerAction, DryRunIntoAnUnwritablePlaceIsAFailure) {
    DryRunRequester requester(testing::TempDir() + "no/such/dir/x.txt");
    const PowerResult result = requester.Request(PowerAction::ForcePowerOff);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
}

} // namespace
} // namespace tarvenel::test
