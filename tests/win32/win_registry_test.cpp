// The registry adapter against Wine's real registry: sizes cross the port in
// characters, NUL characters survive, and the settings store reads back what
// it wrote.
#include <gtest/gtest.h>

#include "platform/win32/registry_settings.h"
#include "platform/win32/registry_startup_list.h"
#include "platform/win32/win_api.h"
#include "platform/win32/win_registry.h"

namespace tarvenel::win32 {
namespace {

constexpr const char* kTestKey = "Software\\Tarvenel.Tests\\Registry";

struct WinRegistryTest : testing::Test {
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarvenel.Tests"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarvenel.Tests"); }
    WinRegistry registry;
};

TEST_F(WinRegistryTest, TextKeepsItsNulsAndCountsCharactersNotBytes) {
    ASSERT_EQ(module2::EnsureKey(registry, RootKey::CurrentUser, kTestKey), reg::kSuccess);
    const std::string padded = PaddedStartupCommand("C:\\程序\\timer.exe");
    ASSERT_EQ(module2::WriteRegistryValue(registry, RootKey::CurrentUser, kTestKey, "Vexalo",
                                          padded, reg::kSz),
              reg::kSuccess);

    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(RootKey::CurrentUser, kTestKey, reg::kAccessMask, key),
              reg::kSuccess);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(registry.QueryValueInfo(key, "Vexalo", type, size), reg::kSuccess);
    EXPECT_EQ(type, reg::kSz);
    EXPECT_EQ(size, 255u); // characters, whatever their UTF-8 length
    std::string text;
    EXPECT_EQ(registry.QueryString(key, "Vexalo", 10, text), reg::kMoreData);
    registry.CloseKey(key);

    EXPECT_EQ(module2::ReadRegistryValue(registry, RootKey::CurrentUser, kTestKey, "Vexalo"),
              padded);
    DWORD bytes = 0;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tarvenel.Tests\\Registry", L"Vexalo",
                 RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr, &bytes);
    EXPECT_EQ(bytes, 255u * sizeof(wchar_t));
}

TEST_F(WinRegistryTest, EmptyTextStoresNoBytesAndNumbersReadAsDecimal) {
    ASSERT_EQ(module2::EnsureKey(registry, RootKey::CurrentUser, kTestKey), reg::kSuccess);
    ASSERT_EQ(module2::WriteRegistryValue(registry, RootKey::CurrentUser, kTestKey, "Empty", "",
                                          reg::kSz),
              reg::kSuccess);
    ASSERT_EQ(module2::WriteRegistryValue(registry, RootKey::CurrentUser, kTestKey, "Number",
                                          "4096", reg::kDword),
              reg::kSuccess);
    DWORD bytes = 99;
    DWORD type = 0;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tarvenel.Tests\\Registry", L"Empty", RRF_RT_ANY,
                 &type, nullptr, &bytes);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, 0u);
    EXPECT_EQ(module2::ReadRegistryValue(registry, RootKey::CurrentUser, kTestKey, "Empty"), "");
    EXPECT_EQ(module2::ReadRegistryValue(registry, RootKey::CurrentUser, kTestKey, "Number"),
              "4096");
    EXPECT_EQ(module2::ReadRegistryValue(registry, RootKey::CurrentUser, kTestKey, "Missing"), "");
}

TEST_F(WinRegistryTest, SettingsWrittenAreReadBackAsTerminatedText) {
    RegistrySettingsStore store(registry);
    EXPECT_EQ(store.Read("Tarvenel.Tests", "Registry", "MsgOK"), std::nullopt);
    EXPECT_TRUE(store.Write("Tarvenel.Tests", "Registry", "MsgOK", "0"));
    EXPECT_EQ(store.Read("Tarvenel.Tests", "Registry", "MsgOK"), "0");
    wchar_t data[8] = {};
    DWORD bytes = sizeof(data);
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tarvenel.Tests\\Registry", L"MsgOK",
                           RRF_RT_REG_SZ, nullptr, data, &bytes),
              ERROR_SUCCESS);
    EXPECT_STREQ(data, L"0");
}

} // namespace
} // namespace tarvenel::win32
