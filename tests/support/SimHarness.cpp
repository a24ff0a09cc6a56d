#include "SimHarness.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace q7582::simtest {

// Q7582_SIM names the simulator; by default it is the one built beside the tests.
SimulatorProcess::SimulatorProcess(const QStringList& extra, Cable cable)
    : cable_(cable),
      program_(qEnvironmentVariable("Q7582_SIM", QCoreApplication::applicationDirPath() + "/qs7582-sim").toStdString())
{
    const QStringList args = QStringList{"--link",    dir_.filePath("link"),    "--dump-dir",    dir_.path(),
                                         "--control", dir_.filePath("control"), "--print-ready", "--quiet-life"}
                             + (cable == Cable::Usb ? QStringList{"--usb"} : QStringList{}) + extra;
    std::vector<std::string> words{program_};
    for (const QString& a : args)
        words.push_back(a.toStdString());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        error_ = std::strerror(errno);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO); // standard error stays the test's
    const int rc = posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    stdout_ = out[0];
    if (rc != 0) {
        pid_ = -1;
        error_ = std::strerror(rc);
    } else {
        // The device answers within the manager's pause because it has a processor of its
        // own; the simulator shares one with the builds beside the tests, and is put ahead of
        // them where the system lets it (root, CAP_SYS_NICE), else it runs as it is.
        (void)::setpriority(PRIO_PROCESS, id_t(pid_), -10);
    }
}

SimulatorProcess::~SimulatorProcess()
{
    // Asked to stop first, so that it ends as it does for a person (and writes its
    // coverage counts in a coverage build); killed if it does not.
    if (pid_ > 0 && (::kill(pid_, SIGTERM) != 0 || reap(2000) == -1)) {
        ::kill(pid_, SIGKILL);
        reap(2000);
    }
    if (stdout_ >= 0)
        ::close(stdout_);
}

int SimulatorProcess::reap(int ms)
{
    for (int waited = 0; pid_ > 0; waited += 10) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return status;
        }
        if (waited >= ms)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

bool SimulatorProcess::nextLine(std::string& line, const QDeadlineTimer& deadline)
{
    size_t end;
    while ((end = pending_.find('\n')) == std::string::npos) {
        const int left = int(deadline.remainingTime());
        if (pid_ <= 0 || left <= 0)
            return false;
        pollfd p{stdout_, POLLIN, 0};
        const int ready = poll(&p, 1, left);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        char buffer[256];
        const ssize_t got = ::read(stdout_, buffer, sizeof buffer);
        if (got <= 0) {
            error_ = "exited";
            return false;
        }
        pending_.append(buffer, size_t(got));
    }
    line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return true;
}

bool SimulatorProcess::waitReady(int ms)
{
    const QDeadlineTimer deadline(ms);
    if (!readyLines_.empty()) {
        readyLines_.pop_front();
        return true;
    }
    for (std::string line; nextLine(line, deadline);)
        if (!line.starts_with("done ") && !line.starts_with("unknown "))
            return true;
    if (error_ == "exited")
        error_ = "exited before it was ready";
    return false;
}

std::string SimulatorProcess::problem() const
{
    return program_ + ": " + (error_.empty() ? "not ready in time" : error_);
}

QByteArray SimulatorProcess::dump(const QString& name)
{
    if (pid_ > 0) {
        const std::string problem = error_;
        control("sync"); // an exited simulator's files are read as they are
        error_ = problem;
    }
    QFile f(dir_.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void SimulatorProcess::useFromEnvironment() const
{
    const bool tty = cable_ == Cable::Tty;
    qunsetenv(tty ? "Q7582_VIRTUAL_USB" : "Q7582_PORT");
    qputenv(tty ? "Q7582_PORT" : "Q7582_VIRTUAL_USB", QByteArray::fromStdString(link()));
}

bool SimulatorProcess::control(const char* line)
{
    // Not blocking: without the simulator reading it, the FIFO's open would wait for ever.
    const int fifo = ::open(dir_.filePath("control").toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    const std::string text = std::string(line) + '\n';
    const bool written = fifo >= 0 && ::write(fifo, text.data(), text.size()) == ssize_t(text.size());
    if (fifo >= 0)
        ::close(fifo);
    if (!written) {
        error_ = "its control FIFO cannot be written";
        return false;
    }
    // Ready lines of a replug meanwhile are kept for waitReady().
    const QDeadlineTimer deadline(5000);
    for (std::string answer; nextLine(answer, deadline);) {
        if (answer == std::string("done ") + line)
            return true;
        if (answer == std::string("unknown ") + line) {
            error_ = std::string("refused \"") + line + '"';
            return false;
        }
        if (!answer.starts_with("done ") && !answer.starts_with("unknown "))
            readyLines_.push_back(answer);
    }
    error_ = std::string("did not acknowledge \"") + line + "\" within 5 s";
    return false;
}

bool SimulatorProcess::stop()
{
    if (pid_ <= 0 || ::kill(pid_, SIGTERM) != 0)
        return false;
    const int status = reap(3000);
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<Byte> requestFrame(Byte command, Byte index, const std::vector<Byte>& payload)
{
    std::vector<Byte> frame(Frame::BufferSize);
    frame.resize(size_t(Frame::buildRequest(frame.data(), command, index, payload.data(), int(payload.size()))));
    return frame;
}

bool SimLink::send(const std::vector<Byte>& bytes)
{
    int written = 0;
    return chip_.write(bytes.data(), int(bytes.size()), written) == 0 && written == int(bytes.size());
}

std::vector<Byte> SimLink::receive(int waitMs)
{
    int waiting = 0;
    for (int waited = 0, before = 0; waited < waitMs; waited += 50, before = waiting) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (chip_.getStatus(waiting) != 0 || (waiting > 0 && waiting == before))
            break; // hung up, or the reply has stopped growing
    }
    std::vector<Byte> reply(static_cast<size_t>(waiting));
    int got = 0;
    chip_.read(reply.data(), waiting, got);
    reply.resize(size_t(got));
    return reply;
}

bool SimLink::hungUp(int waitMs)
{
    int waiting = 0;
    for (int waited = 0; waited < waitMs; waited += 20) {
        if (chip_.getStatus(waiting) != 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::vector<Byte> SimLink::exchange(Byte command, Byte index, const std::vector<Byte>& payload, int waitMs)
{
    return send(requestFrame(command, index, payload)) ? receive(waitMs) : std::vector<Byte>{};
}

TransferResult SimLink::transfer(Byte command, Byte index, const std::vector<Byte>& payload, Byte* dest, int count,
                                 int waitMs)
{
    const std::vector<Byte> reply = exchange(command, index, payload, waitMs);
    return reply.empty() ? TransferNoReply
                         : Frame::decodeReply(reply.data(), int(reply.size()), command, index, dest, count);
}

} // namespace q7582::simtest
