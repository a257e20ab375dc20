#include "platform/qt/command_channel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tarvenel::qt {
namespace {

// Plain Unix-domain sockets and the event loop's notifier: the toolkit's
// network module, with the libraries it loads, would cost every start.

std::optional<sockaddr_un> AddressOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return address;
}

// A socket with one owner, closed when it goes.
class Socket {
public:
    explicit Socket(int fd = -1) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Waits at most timeoutMs for the socket to be ready for events.
bool Ready(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    int result;
    do
        result = ::poll(&entry, 1, timeoutMs);
    while (result < 0 && errno == EINTR);
    return result > 0;
}

// Never a signal when the other end has gone, just a failed write.
bool SendAll(int fd, std::string_view bytes, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && errno == EAGAIN) {
            if (!Ready(fd, POLLOUT, static_cast<int>(deadline.remainingTime())))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// A connection to the running copy, waiting at most timeoutMs for it.
std::unique_ptr<Socket> Connect(const QString& path, int timeoutMs) {
    const auto address = AddressOf(path);
    if (!address)
        return nullptr;
    auto socket =
        std::make_unique<Socket>(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket->Get() < 0)
        return nullptr;
    // A copy too busy to accept has a full queue: try again until the time is up.
    QDeadlineTimer deadline(timeoutMs);
    while (::connect(socket->Get(), reinterpret_cast<const sockaddr*>(&*address),
                     sizeof *address) != 0) {
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired())
            return nullptr;
        QThread::msleep(10);
    }
    return socket;
}

// One request on one connection: read it whole, answer, hang up. A peer
// that sends nothing whole in time is dropped.
class Peer : public QObject {
public:
    Peer(int fd, const CommandServer::Answer& answer, QObject* parent)
        : QObject(parent), socket_(fd), readable_(fd, QSocketNotifier::Read), answer_(answer) {
        connect(&readable_, &QSocketNotifier::activated, this, &Peer::Read);
        timeout_.setSingleShot(true);
        connect(&timeout_, &QTimer::timeout, this, &Peer::Drop);
        timeout_.start(kRequestTimeoutMs);
    }

private:
    void Read() {
        // Never more than one request's worth: past that it is junk.
        char buffer[kMaxRequestBytes + 1];
        const ssize_t got = ::recv(socket_.Get(), buffer, sizeof buffer - received_.size(), 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got <= 0) // gone, or failed, before a whole request
            return Drop();
        received_.append(buffer, static_cast<std::size_t>(got));
        if (FrameRequest(received_) == Framing::Incomplete)
            return;
        readable_.setEnabled(false);
        timeout_.stop();
        SendAll(socket_.Get(), answer_(received_), 1000);
        Drop();
    }

    void Drop() {
        readable_.setEnabled(false);
        timeout_.stop();
        deleteLater();
    }

    Socket socket_;
    QSocketNotifier readable_;
    QTimer timeout_;
    const CommandServer::Answer& answer_;
    std::string received_;
};

} // namespace

QString CommandSocketPath() {
    // Empty (no socket) rather than one in the root folder when there is no
    // runtime directory at all.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/tarvenel.socket");
}

CommandServer::CommandServer(Answer answer, QString path)
    : answer_(std::move(answer)), path_(std::move(path)) {}

CommandServer::~CommandServer() {
    if (listening_ < 0)
        return;
    incoming_.reset();
    ::close(listening_);
    ::unlink(QFile::encodeName(path_).constData());
}

bool CommandServer::Listen() {
    const auto address = AddressOf(path_);
    if (!address || listening_ >= 0)
        return false;
    ::unlink(address->sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // The runtime directory is the user's own already; the socket says so too.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        ::unlink(address->sun_path);
        return false;
    }
    listening_ = fd;
    incoming_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(incoming_.get(), &QSocketNotifier::activated, this, &CommandServer::Accept);
    return true;
}

void CommandServer::Accept() {
    int fd;
    while ((fd = ::accept4(listening_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0)
        new Peer(fd, answer_, this);
}

bool LocalSocketChannel::Reachable() {
    return Connect(path_, 200) != nullptr;
}

std::optional<std::string> LocalSocketChannel::Exchange(const std::string& request, int timeoutMs) {
    const auto socket = Connect(path_, 1000);
    if (!socket || !SendAll(socket->Get(), request, 1000))
        return std::nullopt;
    // The copy closes the connection after its reply.
    std::string reply;
    QDeadlineTimer deadline(timeoutMs);
    char buffer[1024];
    while (reply.size() <= kMaxReplyBytes) {
        const ssize_t got = ::recv(socket->Get(), buffer, sizeof buffer, 0);
        if (got > 0)
            reply.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || (errno != EAGAIN && errno != EINTR))
            break;
        else if (errno == EAGAIN &&
                 !Ready(socket->Get(), POLLIN, static_cast<int>(deadline.remainingTime())))
            break;
    }
    return reply;
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
