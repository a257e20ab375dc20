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
namespace {

// A client that sends nothing useful is dropped after this long.
constexpr int kRequestTimeoutMs = 5000;
// The running copy answers at once, from its event loop; a busy machine may
// hold it up a while.
constexpr int kReplyTimeoutMs = 60000;
// How long a freshly started copy may take to come up.
constexpr int kStartTimeoutMs = 20000;

} // namespace

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

std::optional<std::string> LocalSocketChannel::Exchange(const std::string& request) {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(1000))
        return std::nullopt;
    socket.write(request.data(), static_cast<qint64>(request.size()));
    socket.waitForBytesWritten(1000);
    // The copy closes the connection after its reply.
    QByteArray reply;
    QDeadlineTimer deadline(kReplyTimeoutMs);
    while (reply.size() <= static_cast<qsizetype>(kMaxReplyBytes)) {
        reply += socket.readAll();
        if (socket.state() == QLocalSocket::UnconnectedState || deadline.hasExpired() ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    reply += socket.readAll();
    return reply.toStdString();
}

bool LocalSocketChannel::StartProgram() {
    QProcess program;
    program.setProgram(QCoreApplication::applicationFilePath());
    // Its output must not hold the caller's pipe open: a script reading ours
    // would wait for the program to end.
    program.setStandardInputFile(QProcess::nullDevice());
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!program.startDetached(&pid))
        return false;
    QDeadlineTimer deadline(kStartTimeoutMs);
    for (;;) {
        // A copy that could not come up (no display) ends at once; one that
        // found another copy starting at the same moment ends too, and that
        // one answers.
        const bool alive = ::kill(static_cast<pid_t>(pid), 0) == 0;
        QLocalSocket probe;
        probe.connectToServer(path_);
        if (probe.waitForConnected(200))
            return true;
        if (!alive || deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
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
