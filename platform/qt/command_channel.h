#pragma once
// The command line's channel on Linux: a local socket in the user's runtime
// directory, beside the single-instance lock. The running copy listens on it;
// a run with arguments connects, asks and prints the answer.
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "scheduler/command_client.h"

namespace tarvenel::qt {

QString CommandSocketPath();

class CommandServer : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<std::string(std::string_view request)>;
    explicit CommandServer(Answer answer, QString path = CommandSocketPath());
    ~CommandServer() override;
    CommandServer(const CommandServer&) = delete;
    CommandServer& operator=(const CommandServer&) = delete;
    // Only for the copy that holds the single-instance lock: a socket left
    // behind by a copy that crashed is replaced.
    bool Listen();

private:
    void Accept();

    Answer answer_;
    QString path_;
    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> incoming_;
};

class LocalSocketChannel : public CommandChannel {
public:
    explicit LocalSocketChannel(QString path = CommandSocketPath()) : path_(std::move(path)) {}
    bool Reachable() override;
    std::optional<std::string> Exchange(const std::string& request, int timeoutMs) override;
    std::function<bool()> StartCopy() override;
    void Pause(int ms) override;

private:
    QString path_;
};

// main() for a run with arguments: no window, no display needed; the answer
// goes to standard output and error, the result is the exit code.
int RunFromTerminal(int argc, char* argv[]);

} // namespace tarvenel::qt
