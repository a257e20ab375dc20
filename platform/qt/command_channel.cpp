#include "platform/qt/command_channel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>

namespace tarvenel::qt {

QString CommandSocketPath() {
    // Empty (no socket) rather than one in the root folder when there is no
    // runtime directory at all.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/tarvenel.socket");
}

CommandServer::CommandServer(Answer answer, QString path)
    : answer_(std::move(answer)), path_(std::move(path)) {
    // The runtime directory is the user's own already; the socket says so too.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CommandServer::Accept);
}

bool CommandServer::Listen() {
    QLocalServer::removeServer(path_);
    return server_.listen(path_);
}

void CommandServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
        auto received = std::make_shared<std::string>();
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] {
            // Never more than one request's worth: past that it is junk.
            const QByteArray bytes =
                socket->read(static_cast<qint64>(kMaxRequestBytes + 1 - received->size()));
            received->append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            if (FrameRequest(*received) == Framing::Incomplete)
                return;
            disconnect(socket, &QLocalSocket::readyRead, socket, nullptr);
            const std::string reply = answer_(*received);
            socket->write(reply.data(), static_cast<qint64>(reply.size()));
            socket->disconnectFromServer();
        });
    }
}

bool LocalSocketChannel::Reachable() {
    QLocalSocket probe;
    probe.connectToServer(path_);
    return probe.waitForConnected(200);
}

std::optional<std::string> LocalSocketChannel::Exchange(const std::string& request, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(1000))
        return std::nullopt;
    socket.write(request.data(), static_cast<qint64>(request.size()));
    socket.waitForBytesWritten(1000);
    // The copy closes the connection after its reply.
    QByteArray reply;
    QDeadlineTimer deadline(timeoutMs);
    while (reply.size() <= static_cast<qsizetype>(kMaxReplyBytes)) {
        reply += socket.readAll();
        if (socket.state() == QLocalSocket::UnconnectedState || deadline.hasExpired() ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    reply += socket.readAll();
    return reply.toStdString();
}

std::function<bool()> LocalSocketChannel::StartCopy() {
    QProcess program;
    program.setProgram(QCoreApplication::applicationFilePath());
    // Its output must not hold the caller's pipe open: a script reading ours
    // would wait for the program to end.
    program.setStandardInputFile(QProcess::nullDevice());
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!program.startDetached(&pid))
        return nullptr;
    return [pid] { return ::kill(static_cast<pid_t>(pid), 0) == 0; };
}

void LocalSocketChannel::Pause(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

int RunFromTerminal(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    LocalSocketChannel channel;
    const CommandReply reply = RunCommandLine(args, channel);
    std::fputs(reply.out.c_str(), stdout);
    std::fputs(reply.err.c_str(), stderr);
    return reply.exitCode;
}

} // namespace tarvenel::qt
