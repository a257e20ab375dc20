#include <gtest/gtest.h>

#include "platform/win32/registry_settings.h"
#include "support/fake_registry.h"

namespace tarvenel::test {
namespace {

constexpr auto HKCU = RootKey::CurrentUser;
const std::string kPath = "Software\\Tarvenel\\SetLog";

struct RegistrySettingsTest : testing::Test {
    FakeRegistry registry;
    RegistrySettingsStore store{registry};
    void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open"; }
};

TEST_F(RegistrySettingsTest, ReadsNothingAndCreatesNothingWhenTheKeyOrValueIsMissing) {
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), std::nullopt);
    EXPECT_FALSE(registry.HasKey(HKCU, kPath));
    registry.Put(HKCU, kPath, "AutoOK", {reg::kSz, std::string("1\0", 2), 0});
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), std::nullopt);
    EXPECT_EQ(ReadSetting(store, "Tarvenel", "SetLog", "MsgOK", 1), "1");
}

TEST_F(RegistrySettingsTest, TextEndsAtItsTerminatorAndNumbersReadAsDecimal) {
    registry.Put(HKCU, kPath, "GuDingH", {reg::kSz, std::string("8\0junk", 6), 0});
    registry.Put(HKCU, kPath, "GuDingM", {reg::kSz, "30", 0});
    registry.Put(HKCU, kPath, "GuDingS", {reg::kDword, {}, 7});
    registry.Put(HKCU, kPath, "MsgOK", {reg::kSz, "", 0});
    registry.Put(HKCU, kPath, "AutoOK", {reg::kBinary, "1", 0});
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "GuDingH"), "8");
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "gudingm"), "30"); // names ignore case
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "GuDingS"), "7");
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), ""); // empty is not absent
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "AutoOK"), std::nullopt);
}

TEST_F(RegistrySettingsTest, WritesCreateTheKeyAndReplaceTheValueAsTerminatedText) {
    EXPECT_TRUE(store.Write("Tarvenel", "SetLog", "GuDingH", "5"));
    const auto* value = registry.Find(HKCU, kPath, "GuDingH");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, reg::kSz);
    EXPECT_EQ(value->text, std::string("5\0", 2));
    EXPECT_TRUE(store.Write("Tarvenel", "SetLog", "GuDingH", "23"));
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "GuDingH"), "23");
}

TEST_F(RegistrySettingsTest, AWriteTheRegistryRefusesReportsFailure) {
    registry.Deny(HKCU, kPath);
    EXPECT_FALSE(store.Write("Tarvenel", "SetLog", "MsgOK", "0"));
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), std::nullopt);
}

} // namespace
} // namespace tarvenel::test
