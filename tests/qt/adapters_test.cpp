// The Linux adapters of the core's services: settings file, autostart entry,
// previous-instance lock and the locale's time text.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <map>

#include "platform/qt/desktop_services.h"
#include "platform/qt/display_platform.h"
#include "platform/qt/ini_settings_store.h"
#include "platform/qt/xdg_autostart.h"

namespace tarvenel::qt {
namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

TEST(IniSettingsStore, KeepsDecimalTextUnderTheSectionGroupOfTheApplicationsFile) {
    QTemporaryDir config;
    IniSettingsStore store(config.path());
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), std::nullopt);

    ASSERT_TRUE(store.Write("Tarvenel", "SetLog", "MsgOK", "0"));
    ASSERT_TRUE(store.Write("Tarvenel", "SetLog", "GuDingH", "23"));
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), "0");
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "GuDingH"), "23");
    EXPECT_EQ(store.Read("Tarvenel", "Other", "MsgOK"), std::nullopt);

    const QString text = ReadAll(config.path() + "/Tarvenel/Tarvenel.ini");
    EXPECT_TRUE(text.contains("[SetLog]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("MsgOK=0\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("GuDingH=23\n")) << text.toStdString();
}

TEST(IniSettingsStore, ReportsAWriteThatCannotReachTheDisk) {
    QTemporaryDir config;
    // A plain file where the application's folder should be.
    QFile blocker(config.path() + "/Tarvenel");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsStore store(config.path());
    EXPECT_FALSE(store.Write("Tarvenel", "SetLog", "MsgOK", "1"));
}

TEST(IniSettingsStore, AFileItCannotParseIsWrittenOverAndTheWriteReportedAsDone) {
    QTemporaryDir config;
    ASSERT_TRUE(QDir().mkpath(config.path() + "/Tarvenel"));
    QFile file(config.path() + "/Tarvenel/Tarvenel.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Binary junk: a stray quote or backslash at the end of a line is what
    // QSettings calls a format error.
    file.write(QByteArray("\x01\"\\\n\xff\xfe[SetLog\n=\"\x00\x00\n", 19));
    file.close();
    IniSettingsStore store(config.path());
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), std::nullopt);
    EXPECT_TRUE(store.Write("Tarvenel", "SetLog", "MsgOK", "0"));
    EXPECT_EQ(store.Read("Tarvenel", "SetLog", "MsgOK"), "0");
    EXPECT_TRUE(ReadAll(file.fileName()).contains("MsgOK=0\n"));
}

TEST(XdgAutostartEntry, SwitchedOnStartsExactlyTheProgramAndSwitchedOffStaysHidden) {
    QTemporaryDir config;
    const QString file = config.path() + "/autostart/tarvenel.desktop";
    const QString program = "/opt/my tools/tar$ven\"el\\x%1";
    XdgAutostartEntry entry(file, program);
    EXPECT_FALSE(entry.IsOn());

    ASSERT_TRUE(entry.Switch(true).ok);
    const QString on = ReadAll(file);
    EXPECT_TRUE(on.startsWith("[Desktop Entry]\n")) << on.toStdString();
    EXPECT_TRUE(on.contains("Type=Application\n"));
    // Quoted for Exec (\$ \" \\ and %%), then each backslash doubled as a
    // desktop-entry string.
    EXPECT_TRUE(on.contains(R"(Exec="/opt/my tools/tar\\$ven\\"el\\\\x%%1")")) << on.toStdString();
    EXPECT_TRUE(on.contains("Hidden=false\n"));
    EXPECT_TRUE(entry.IsOn());
    // An entry that starts another file is not this program's.
    EXPECT_FALSE(XdgAutostartEntry(file, "/opt/my tools/other").IsOn());

    ASSERT_TRUE(entry.Switch(false).ok);
    const QString off = ReadAll(file);
    EXPECT_TRUE(off.contains("Hidden=true\n")) << off.toStdString();
    EXPECT_FALSE(off.contains("Hidden=false"));
    EXPECT_TRUE(off.contains("Exec=")); // the entry is kept, switched off
    EXPECT_FALSE(entry.IsOn());

    ASSERT_TRUE(entry.Switch(true).ok);
    EXPECT_EQ(entry.ReadProgram(), program);
}

TEST(XdgAutostartEntry, SwitchingOffWithoutAnEntryLeavesAHiddenOne) {
    QTemporaryDir config;
    const QString file = config.path() + "/autostart/tarvenel.desktop";
    XdgAutostartEntry entry(file, "/usr/bin/tarvenel");
    ASSERT_TRUE(entry.Switch(false).ok);
    EXPECT_TRUE(ReadAll(file).contains("Hidden=true\n"));
    EXPECT_EQ(entry.ReadProgram(), "");
}

TEST(XdgAutostartEntry, ReportsAnEntryThatCannotBeWritten) {
    QTemporaryDir config;
    QFile blocker(config.path() + "/autostart");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    XdgAutostartEntry entry(config.path() + "/autostart/tarvenel.desktop", "/usr/bin/tarvenel");
    const StartupResult result = entry.Switch(true);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
}

TEST(LockFileInstanceGuard, OnlyTheFirstCopyRunsUntilItEnds) {
    QTemporaryDir runtime;
    const QString lock = runtime.path() + "/tarvenel.lock";
    {
        LockFileInstanceGuard first(lock);
        EXPECT_FALSE(first.AnotherInstanceRunning());
        EXPECT_FALSE(first.AnotherInstanceRunning()); // asking again keeps the lock
        LockFileInstanceGuard second(lock);
        EXPECT_TRUE(second.AnotherInstanceRunning());
    }
    LockFileInstanceGuard third(lock);
    EXPECT_FALSE(third.AnotherInstanceRunning());
}

TEST(LockFileInstanceGuard, ALockThatCannotBeMadeIsReportedNotTakenForAnotherCopy) {
    QTemporaryDir runtime;
    for (const QString& lock : {runtime.path() + "/missing/tarvenel.lock", QString()}) {
        LockFileInstanceGuard guard(lock);
        EXPECT_FALSE(guard.AnotherInstanceRunning());
        EXPECT_NE(guard.Problem().find("无法创建单实例锁文件"), std::string::npos);
    }
    LockFileInstanceGuard held(runtime.path() + "/tarvenel.lock");
    EXPECT_FALSE(held.AnotherInstanceRunning());
    EXPECT_EQ(held.Problem(), "");
}

TEST(LocaleDateTimeText, LongTimeNamesNoTimeZone) {
    LocaleDateTimeText text;
    const QString time = QString::fromStdString(text.LongTime(8, 5, 3));
    EXPECT_TRUE(time.contains("05")) << time.toStdString();
    EXPECT_TRUE(time.contains("03")) << time.toStdString();
    const QString zone = QTimeZone::systemTimeZone().abbreviation(QDateTime::currentDateTime());
    if (!zone.isEmpty()) {
        EXPECT_FALSE(time.contains(zone)) << time.toStdString();
    }
    EXPECT_FALSE(text.ShortDate(2026, 12, 7).empty());
}

TEST(DisplayPlatform, RunsOnX11WhereWaylandWouldNotLetTheWindowPlaceItself) {
    struct Case {
        std::map<std::string, QByteArray> environment;
        bool x11;
    };
    const Case cases[] = {
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, true},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, false}, // no X server to go to
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}},
         false}, // the user's own choice
    };
    for (const Case& c : cases) {
        const bool x11 = PrefersX11([&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QByteArray() : found->second;
        });
        EXPECT_EQ(x11, c.x11) << c.environment.size();
    }
}

} // namespace
} // namespace tarvenel::qt
