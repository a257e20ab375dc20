// Power actions against a fake logind that owns org.freedesktop.login1 on a
// private session bus (the test runs under dbus-run-session): never the
// system bus.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QMutex>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/qt/logind_power.h"

namespace tarvenel::qt {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/_32");

// What the fake was asked, in order; written by the server thread.
class CallLog {
public:
    void Add(const QString& call) {
        QMutexLocker lock(&mutex_);
        calls_ << call;
    }
    QStringList Calls() {
        QMutexLocker lock(&mutex_);
        return calls_;
    }

private:
    QMutex mutex_;
    QStringList calls_;
};

class FakeManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit FakeManager(CallLog& log) : log_(log) {}
    QString can = QStringLiteral("yes");
    QString refusal; // an error message for PowerOff and Reboot

public slots:
    QString CanPowerOff() {
        log_.Add("CanPowerOff");
        return can;
    }
    QString CanReboot() {
        log_.Add("CanReboot");
        return can;
    }
    void PowerOff(bool interactive) { Act("PowerOff", interactive); }
    void Reboot(bool interactive) { Act("Reboot", interactive); }
    QDBusObjectPath GetSessionByPID(uint pid) {
        log_.Add(QStringLiteral("GetSessionByPID %1")
                     .arg(pid == QCoreApplication::applicationPid() ? "own" : "other"));
        return QDBusObjectPath(kSessionPath);
    }

private:
    void Act(const char* name, bool interactive) {
        log_.Add(QStringLiteral("%1 %2").arg(name, interactive ? "true" : "false"));
        if (!refusal.isEmpty())
            sendErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), refusal);
    }
    CallLog& log_;
};

class FakeSession : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
public:
    explicit FakeSession(CallLog& log) : log_(log) {}

public slots:
    void Terminate() { log_.Add("Terminate"); }

private:
    CallLog& log_;
};

class LogindPowerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
        server.start();
        manager.moveToThread(&server);
        session.moveToThread(&server);
        ASSERT_TRUE(bus.isConnected());
        ASSERT_TRUE(bus.registerObject("/org/freedesktop/login1", &manager,
                                       QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.registerObject(kSessionPath, &session, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.registerService(kService));
    }
    void TearDown() override {
        bus.unregisterService(kService);
        bus.unregisterObject("/org/freedesktop/login1");
        bus.unregisterObject(kSessionPath);
        server.quit();
        server.wait();
    }

    PowerResult Run(PowerAction action) {
        LogindPowerRequester requester(QDBusConnection::sessionBus());
        return requester.Request(action);
    }

    QThread server;
    CallLog log;
    FakeManager manager{log};
    FakeSession session{log};
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-logind"));
};

TEST_F(LogindPowerTest, ShuttingDownAsksFirstThenPowersOffWithoutInteraction) {
    for (PowerAction action :
         {PowerAction::ForcePowerOff, PowerAction::ShutDown, PowerAction::ForceShutDown}) {
        const PowerResult result = Run(action);
        EXPECT_TRUE(result.ok) << result.reason;
    }
    EXPECT_EQ(log.Calls(), QStringList({"CanPowerOff", "PowerOff false", "CanPowerOff",
                                        "PowerOff false", "CanPowerOff", "PowerOff false"}));
}

TEST_F(LogindPowerTest, LoggingOffEndsTheProgramsOwnSession) {
    EXPECT_TRUE(Run(PowerAction::LogOff).ok);
    EXPECT_TRUE(Run(PowerAction::ForceLogOff).ok);
    EXPECT_EQ(log.Calls(), QStringList({"GetSessionByPID own", "Terminate", "GetSessionByPID own",
                                        "Terminate"}));
}

TEST_F(LogindPowerTest, AShutdownLogindDoesNotAllowIsNotRequested) {
    manager.can = "na";
    const PowerResult result = Run(PowerAction::ForcePowerOff);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("na"), std::string::npos) << result.reason;
    EXPECT_EQ(log.Calls(), QStringList({"CanPowerOff"}));
}

TEST_F(LogindPowerTest, ARefusalIsReportedWithLogindsReason) {
    manager.can = "challenge";
    manager.refusal = "Interactive authentication required.";
    const PowerResult result = Run(PowerAction::ForcePowerOff);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "Interactive authentication required.");
    EXPECT_EQ(log.Calls(), QStringList({"CanPowerOff", "PowerOff false"}));
}

TEST_F(LogindPowerTest, NoLogindOnTheBusIsAFailureWithAReason) {
    bus.unregisterService(kService);
    const PowerResult result = Run(PowerAction::ForcePowerOff);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(log.Calls().isEmpty());
}

} // namespace
} // namespace tarvenel::qt

#include "logind_power_test.moc"
