#include "SimHarness.h"

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace q7582::simtest {

namespace {

// Q7582_SIM names the simulator; by default it is the one built beside the tests.
QString simulatorPath()
{
    const QString fromEnv = qEnvironmentVariable("Q7582_SIM");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + "/qs7582-sim" : fromEnv;
}

} // namespace

SimulatorProcess::SimulatorProcess(const QStringList& extra)
{
    QStringList args{"--link",        dir_.filePath("link"), "--dump-dir",   dir_.path(),
                     "--control",     dir_.filePath("control"), "--print-ready", "--quiet-life"};
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(simulatorPath(), args + extra);
}

SimulatorProcess::~SimulatorProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

bool SimulatorProcess::waitReady(int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!process_.canReadLine()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !process_.waitForReadyRead(int(left.count())))
            return false;
    }
    process_.readLine();
    return true;
}

std::string SimulatorProcess::problem() const
{
    return (process_.program() + ": " + process_.errorString()).toStdString();
}

QByteArray SimulatorProcess::dump(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool SimulatorProcess::control(const char* line) const
{
    QFile fifo(path("control"));
    if (!fifo.open(QIODevice::WriteOnly))
        return false;
    const bool written = fifo.write(QByteArray(line) + '\n') > 0;
    fifo.close();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return written;
}

bool SimulatorProcess::stop()
{
    process_.terminate();
    return process_.waitForFinished(3000) && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

SimLink::SimLink(const std::string& path)
{
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios t{};
    if (fd_ >= 0 && tcgetattr(fd_, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(fd_, TCSANOW, &t);
        tcflush(fd_, TCIOFLUSH);
    }
}

SimLink::~SimLink()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::vector<Byte> requestFrame(Byte command, Byte index, const std::vector<Byte>& payload)
{
    std::vector<Byte> frame(Frame::BufferSize);
    frame.resize(size_t(Frame::buildRequest(frame.data(), command, index, payload.data(), int(payload.size()))));
    return frame;
}

bool SimLink::send(const std::vector<Byte>& bytes)
{
    return ::write(fd_, bytes.data(), bytes.size()) == ssize_t(bytes.size());
}

std::vector<Byte> SimLink::receive(int waitMs)
{
    std::vector<Byte> reply;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, reply.empty() ? 20 : 50) <= 0) {
            if (!reply.empty())
                break; // the reply has stopped growing
            continue;
        }
        Byte buffer[Frame::BufferSize];
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got <= 0)
            break;
        reply.insert(reply.end(), buffer, buffer + got);
    }
    return reply;
}

std::vector<Byte> SimLink::exchange(Byte command, Byte index, const std::vector<Byte>& payload, int waitMs)
{
    return send(requestFrame(command, index, payload)) ? receive(waitMs) : std::vector<Byte>{};
}

TransferResult SimLink::transfer(Byte command, Byte index, const std::vector<Byte>& payload, std::vector<Byte>& dest,
                                 int waitMs)
{
    const std::vector<Byte> reply = exchange(command, index, payload, waitMs);
    if (reply.empty())
        return TransferNoReply;
    return Frame::decodeReply(reply.data(), int(reply.size()), command, index, dest.empty() ? nullptr : dest.data(),
                              int(dest.size()));
}

} // namespace q7582::simtest
