#include "platform/qt/logind_power.h"

#include <QCoreApplication>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <unistd.h>

#include "platform/qt/qt_string.h"

namespace tarvenel::qt {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");

PowerResult Failed(const QDBusError& error) {
    QString reason = error.message();
    if (reason.isEmpty())
        reason = error.name();
    return {false, FromQt(reason)};
}

} // namespace

LogindPowerRequester::LogindPowerRequester(QDBusConnection bus) : bus_(std::move(bus)) {}

LogindPowerRequester::LogindPowerRequester(std::function<QDBusConnection()> connect)
    : connect_(std::move(connect)) {}

QDBusConnection& LogindPowerRequester::Bus() {
    if (!bus_)
        bus_ = connect_();
    return *bus_;
}

PowerResult LogindPowerRequester::Request(PowerAction action) {
    if (!Bus().isConnected())
        return {false, "无法连接系统 D-Bus：" + FromQt(Bus().lastError().message())};
    if (action == PowerAction::LogOff || action == PowerAction::ForceLogOff)
        return EndSession();
    return ManagerAction(QStringLiteral("CanPowerOff"), QStringLiteral("PowerOff"));
}

PowerResult LogindPowerRequester::ManagerAction(const QString& can, const QString& action) {
    QDBusInterface manager(kService, kManagerPath, kManager, Bus());
    const QDBusReply<QString> allowed = manager.call(can);
    if (!allowed.isValid())
        return Failed(allowed.error());
    // "challenge" would need a password prompt, which a countdown that runs
    // unattended cannot answer; logind says so itself when it refuses.
    if (allowed.value() == QStringLiteral("na") || allowed.value() == QStringLiteral("no"))
        return {false, FromQt(can + QStringLiteral(": ") + allowed.value())};
    const QDBusMessage reply = manager.call(action, false);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return Failed(QDBusError(reply));
    return {};
}

PowerResult LogindPowerRequester::EndSession() {
    QDBusInterface manager(kService, kManagerPath, kManager, Bus());
    const QDBusReply<QDBusObjectPath> session =
        manager.call(QStringLiteral("GetSessionByPID"), static_cast<quint32>(::getpid()));
    if (!session.isValid())
        return Failed(session.error());
    QDBusInterface sessionObject(kService, session.value().path(), kSession, Bus());
    const QDBusMessage reply = sessionObject.call(QStringLiteral("Terminate"));
    if (reply.type() == QDBusMessage::ErrorMessage)
        return Failed(QDBusError(reply));
    return {};
}

} // namespace tarvenel::qt
