#include <gtest/gtest.h>

#include "platform/win32/program_location.h"
#include "platform/win32/registry_startup_list.h"
#include "support/fake_registry.h"

namespace tarvenel::test {
namespace {

constexpr auto HKLM = RootKey::LocalMachine;

struct RegistryTest : testing::Test {
    FakeRegistry registry;
    void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open"; }
};

TEST_F(RegistryTest, ReadingMissingKeysValuesAndOtherTypesGivesEmptyText) {
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, kRunKey, kRunValueName), "");
    registry.Put(HKLM, kRunKey, "Other", {reg::kSz, "x", 0});
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, kRunKey, kRunValueName), "");
    registry.Put(HKLM, kRunKey, kRunValueName, {reg::kBinary, "\x01\x02", 0});
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, kRunKey, kRunValueName), "");
}

TEST_F(RegistryTest, ReadValueFromKeyReportsStatusAndValue) {
    registry.Put(HKLM, "Soft", "Text", {reg::kSz, std::string("a\0\0", 3), 0});
    registry.Put(HKLM, "Soft", "Number", {reg::kDword, {}, 4096});
    registry.Put(HKLM, "Soft", "Blob", {reg::kBinary, "zz", 0});
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(HKLM, "soft", reg::kAccessMask, key), reg::kSuccess);

    auto text = module2::ReadValueFromKey(registry, key, "TEXT"); // names ignore case
    EXPECT_EQ(text.status, reg::kSuccess);
    EXPECT_EQ(text.value, std::string("a\0\0", 3)); // trailing NULs are kept
    EXPECT_EQ(module2::ReadValueFromKey(registry, key, "Number").value, "4096");
    auto blob = module2::ReadValueFromKey(registry, key, "Blob");
    EXPECT_EQ(blob.status, reg::kUnsupportedType);
    EXPECT_EQ(blob.value, "");
    auto missing = module2::ReadValueFromKey(registry, key, "Nope");
    EXPECT_EQ(missing.status, reg::kFileNotFound);
    registry.CloseKey(key);

    auto closed = module2::ReadValueFromKey(registry, key, "Text");
    EXPECT_EQ(closed.status, reg::kInvalidHandle);
    EXPECT_EQ(closed.value, "");
}

TEST_F(RegistryTest, TextSizesCountCharactersSoNonAsciiTextReadsWhole) {
    // A path of 255 characters or more is stored without padding: every
    // character of it must come back, none cut in the middle.
    const std::string path = "C:\\程序\\" + std::string(260, 'x') + ".exe";
    registry.Put(HKLM, kRunKey, kRunValueName, {reg::kSz, PaddedStartupCommand(path), 0});
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, kRunKey, kRunValueName), path);
    const std::string padded = PaddedStartupCommand("C:\\程序\\timer.exe");
    registry.Put(HKLM, kRunKey, kRunValueName, {reg::kSz, padded, 0});
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, kRunKey, kRunValueName), padded);
}

TEST_F(RegistryTest, WritingNeedsTheKeyWhichEnsureKeyCreates) {
    EXPECT_EQ(module2::WriteRegistryValue(registry, HKLM, "A\\B", "v", "1", reg::kSz),
              reg::kFileNotFound);
    EXPECT_FALSE(registry.HasKey(HKLM, "A\\B"));
    EXPECT_EQ(module2::EnsureKey(registry, HKLM, "A\\B"), reg::kSuccess);
    EXPECT_EQ(registry.lastAccess, 0x3Fu);
    EXPECT_EQ(module2::WriteRegistryValue(registry, HKLM, "A\\B", "v", "hello", reg::kSz),
              reg::kSuccess);
    EXPECT_EQ(registry.lastAccess, 0x3Fu);
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, "a\\b", "V"), "hello");
    EXPECT_EQ(module2::WriteRegistryValue(registry, HKLM, "A\\B", "n", "77", reg::kDword),
              reg::kSuccess);
    EXPECT_EQ(registry.Find(HKLM, "A\\B", "n")->number, 77u);
    EXPECT_EQ(module2::WriteRegistryValue(registry, HKLM, "A\\B", "n", "x7", reg::kDword),
              reg::kInvalidParameter);
    EXPECT_EQ(module2::WriteRegistryValue(registry, HKLM, "A\\B", "b", "x", reg::kBinary),
              reg::kSuccess);
    EXPECT_EQ(registry.Find(HKLM, "A\\B", "b"), nullptr); // other types write nothing
}

TEST_F(RegistryTest, DeniedAccessFailsEveryStep) {
    registry.Put(HKLM, kRunKey, kRunValueName, {reg::kSz, "C:\\x.exe", 0});
    registry.Deny(HKLM, kRunKey);
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, kRunKey, kRunValueName), "");
    EXPECT_EQ(module2::EnsureKey(registry, HKLM, kRunKey), reg::kAccessDenied);
    EXPECT_EQ(module2::WriteRegistryValue(registry, HKLM, kRunKey, kRunValueName, "", reg::kSz),
              reg::kAccessDenied);
}

TEST_F(RegistryTest, PaddedCommandIsTrimmedAndFilledTo255Characters) {
    const std::string padded = PaddedStartupCommand("  C:\\Tools\\timer.exe ");
    ASSERT_EQ(padded.size(), 255u);
    EXPECT_EQ(padded.substr(0, 18), "C:\\Tools\\timer.exe");
    EXPECT_EQ(padded.find_first_not_of('\0', 18), std::string::npos);

    // Characters, not bytes: a Chinese path is padded to 255 characters.
    const std::string chinese = PaddedStartupCommand("C:\\工具\\timer.exe");
    EXPECT_EQ(chinese.size(), 255u + 2 * 2); // two 3-byte characters
}

// Cutting a long path would store a command that starts nothing.
TEST_F(RegistryTest, ALongCommandIsStoredWhole) {
    const std::string longPath = "C:\\" + std::string(300, 'd') + "\\timer.exe";
    EXPECT_EQ(PaddedStartupCommand(longPath), longPath);
    const std::string exact = "C:\\" + std::string(252, 'e');
    EXPECT_EQ(PaddedStartupCommand(exact), exact);

    RegistryStartupList list(registry, longPath);
    ASSERT_TRUE(list.Switch(true).ok);
    EXPECT_EQ(list.ReadValue(), longPath);
    EXPECT_TRUE(list.IsOn());
}

TEST_F(RegistryTest, StartupListWritesThePaddedPathAndEmptiesItOnRemoval) {
    RegistryStartupList list(registry, "C:\\Tools\\timer.exe");
    ASSERT_TRUE(list.Switch(true).ok);
    const auto* stored = registry.Find(HKLM, kRunKey, kRunValueName);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->type, reg::kSz);
    EXPECT_EQ(stored->text.size(), 255u);
    EXPECT_EQ(list.ReadValue().size(), 255u);
    EXPECT_TRUE(list.IsOn());

    ASSERT_TRUE(list.Switch(false).ok);
    stored = registry.Find(HKLM, kRunKey, kRunValueName);
    ASSERT_NE(stored, nullptr); // the value stays, emptied
    EXPECT_EQ(stored->text, "");
    EXPECT_FALSE(list.IsOn());
}

TEST_F(RegistryTest, TheEntryIsOnOnlyForThisExecutableExactly) {
    const std::string padded = "C:\\Tools\\timer.exe" + std::string(237, '\0');
    for (const auto& [stored, on] : {std::pair<std::string, bool>{"C:\\Tools\\timer.exe", true},
                                     {padded, true},
                                     {"c:\\tools\\TIMER.EXE", false},
                                     {"", false},
                                     {"D:\\Other\\timer.exe", false}}) {
        registry.Put(HKLM, kRunKey, kRunValueName, {reg::kSz, stored});
        EXPECT_EQ(RegistryStartupList(registry, "C:\\Tools\\timer.exe").IsOn(), on) << stored;
    }
}

// The entry an administrator made shows as on for a standard user, who may
// read the machine's start-up list but not change it.
TEST_F(RegistryTest, AStandardUserSeesTheEntryAndIsToldWhySwitchingFails) {
    RegistryStartupList list(registry, "C:\\Tools\\timer.exe");
    ASSERT_TRUE(list.Switch(true).ok);
    registry.ReadOnly(HKLM, kRunKey);
    EXPECT_TRUE(list.IsOn());
    EXPECT_EQ(registry.lastAccess, reg::kReadAccess);
    const StartupResult off = list.Switch(false);
    EXPECT_FALSE(off.ok);
    EXPECT_NE(off.reason.find("管理员"), std::string::npos);
    EXPECT_TRUE(list.IsOn()); // nothing lost
}

// Under UAC a standard user's switch is done by an elevated copy of the
// program: the real write when the copy ran, and the entry as it was when the
// prompt was declined, elevation was impossible or the copy failed.
TEST_F(RegistryTest, AWriteRefusedForLackOfRightsIsDoneByAnElevatedCopy) {
    const std::string command = "C:\\Program Files\\Tarvenel\\tarvenel.exe";
    struct Copy : Elevation {
        explicit Copy(FakeRegistry& r) : registry(r) {}
        ElevatedRun Run(const std::vector<std::string>& arguments) override {
            asked.push_back(arguments);
            if (outcome != ElevatedRun::Outcome::Ended)
                return {outcome, 0};
            if (!deniedEvenToAdministrators)
                registry.FullAccess(HKLM, kRunKey);
            const RegStatus status = RunElevatedStartup(arguments, registry, own);
            registry.ReadOnly(HKLM, kRunKey);
            return {ElevatedRun::Outcome::Ended, status};
        }
        FakeRegistry& registry;
        std::string own = "C:\\Program Files\\Tarvenel\\tarvenel.exe";
        ElevatedRun::Outcome outcome = ElevatedRun::Outcome::Ended;
        bool deniedEvenToAdministrators = false;
        std::vector<std::vector<std::string>> asked;
    } copy(registry);
    RegistryStartupList list(registry, command, &copy);
    registry.ReadOnly(HKLM, kRunKey);

    ASSERT_TRUE(list.Switch(true).ok);
    EXPECT_EQ(copy.asked.back(), ElevatedStartupArguments(true, command));
    EXPECT_EQ(list.ReadValue(), PaddedStartupCommand(command)); // as the window writes it
    ASSERT_TRUE(list.Switch(false).ok);
    EXPECT_EQ(list.ReadValue(), "");
    EXPECT_NE(registry.Find(HKLM, kRunKey, kRunValueName), nullptr); // emptied, not deleted

    for (const auto outcome : {ElevatedRun::Outcome::Declined, ElevatedRun::Outcome::NotStarted}) {
        copy.outcome = outcome;
        const StartupResult refused = list.Switch(true);
        EXPECT_FALSE(refused.ok);
        EXPECT_NE(refused.reason.find("管理员"), std::string::npos) << refused.reason;
        EXPECT_FALSE(list.IsOn());
    }
    copy.outcome = ElevatedRun::Outcome::Ended;
    copy.deniedEvenToAdministrators = true;
    const StartupResult failed = list.Switch(true);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.reason.find("错误代码 5"), std::string::npos) << failed.reason;
    EXPECT_FALSE(list.IsOn());
}

// The elevated copy takes one request only, for its own executable; anything
// else ends with ERROR_INVALID_PARAMETER and nothing written.
TEST_F(RegistryTest, TheElevatedCopyWritesOnlyItsOwnEntryOnRequest) {
    const std::string own = "C:\\Tools\\tarvenel.exe";
    auto args = [](std::vector<std::string> rest) {
        rest.insert(rest.begin(), ElevatedStartupArguments(true, "").front());
        return rest;
    };
    const std::vector<std::string> refused[] = {
        args({"on"}),
        args({"on", "C:\\Tools\\other.exe"}),
        args({"on", "c:\\tools\\tarvenel.exe"}),
        args({"yes", own}),
        args({"on", own, "more"}),
        {"on", own},
    };
    for (const auto& request : refused) {
        EXPECT_EQ(RunElevatedStartup(request, registry, own), reg::kInvalidParameter)
            << testing::PrintToString(request);
        EXPECT_FALSE(registry.HasKey(HKLM, kRunKey));
    }
    EXPECT_TRUE(IsElevatedStartupRun(args({"junk"})));
    EXPECT_FALSE(IsElevatedStartupRun({"--status"}));
    EXPECT_EQ(RunElevatedStartup(ElevatedStartupArguments(true, own), registry, own), 0);
    EXPECT_EQ(module2::ReadRegistryValue(registry, HKLM, kRunKey, kRunValueName),
              PaddedStartupCommand(own));
}

TEST(StartupCommand, AProgramInADriveRootHasOneBackslash) {
    const ProgramLocation root{"C:\\", "timer", ".exe", '\\'};
    EXPECT_EQ(AppDirOf(root), "C:");
    EXPECT_EQ(StartupCommandOf(root), "C:\\timer.exe");
    EXPECT_EQ(StartupCommandOf({"C:\\Tools\\", "timer", ".exe", '\\'}), "C:\\Tools\\timer.exe");
}

TEST_F(RegistryTest, StartupListReportsDeniedAccessWithTheRightsNeeded) {
    registry.Deny(HKLM, kRunKey);
    RegistryStartupList list(registry, "C:\\timer.exe");
    const StartupResult on = list.Switch(true);
    EXPECT_FALSE(on.ok);
    EXPECT_NE(on.reason.find("管理员"), std::string::npos);
    EXPECT_FALSE(list.Switch(false).ok);
}

} // namespace
} // namespace tarvenel::test
