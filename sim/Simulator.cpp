#include "Simulator.h"

#include <algorithm>
#include <cstdio>
#include <poll.h>
#include <sstream>
#include <sys/signalfd.h>
#include <unistd.h>

namespace q7582::sim {

namespace {

std::chrono::milliseconds toDuration(double seconds) { return std::chrono::milliseconds(long(seconds * 1000)); }

} // namespace

Simulator::Simulator(const Options& options, Device& device, FaultInjector& faults, ControlFifo* control)
    : options_(options), device_(device), faults_(faults), control_(control), port_(options.link)
{
}

bool Simulator::plug()
{
    if (!port_.plug()) {
        std::fprintf(stderr, "qs7582-sim: %s\n", port_.error().c_str());
        return false;
    }
    std::fprintf(stderr, "qs7582-sim: %s plugged in on %s, link %s\n",
                 options_.generator ? "message generator" : "master", port_.slavePath().c_str(), options_.link.c_str());
    if (options_.printReady) {
        std::printf("%s\n", port_.slavePath().c_str());
        std::fflush(stdout);
    }
    return true;
}

void Simulator::unplugFor(double seconds)
{
    port_.unplug();
    reader_ = RequestReader();
    unplugAt_.reset();
    replugAt_ = Clock::now() + toDuration(seconds);
    std::fprintf(stderr, "qs7582-sim: unplugged for %g s\n", seconds);
}

int Simulator::run(int signalFd)
{
    if (!plug())
        return 1;
    nextTick_ = Clock::now();
    if (options_.unplugAfter)
        unplugAt_ = Clock::now() + toDuration(*options_.unplugAfter);

    while (!quit_) {
        runTimers();
        if (quit_)
            break;
        pollfd fds[3] = {{signalFd, POLLIN, 0}, {-1, POLLIN, 0}, {-1, POLLIN, 0}};
        if (port_.plugged())
            fds[1].fd = port_.fd();
        if (control_)
            fds[2].fd = control_->fd();
        if (poll(fds, 3, pollTimeoutMs()) < 0)
            continue; // EINTR: the signals that matter arrive through signalFd
        if (fds[0].revents & POLLIN) {
            signalfd_siginfo info{};
            if (::read(signalFd, &info, sizeof info) == ssize_t(sizeof info))
                std::fprintf(stderr, "qs7582-sim: signal %u, stopping\n", info.ssi_signo);
            quit_ = true;
        }
        if (fds[1].revents && !serve()) {
            exitCode_ = 1;
            break;
        }
        if (fds[2].revents & POLLIN)
            for (const std::string& line : control_->readLines())
                control(line);
    }
    port_.unplug();
    return exitCode_;
}

void Simulator::runTimers()
{
    const Clock::time_point now = Clock::now();
    if (now >= nextTick_) {
        device_.tick();
        nextTick_ = now + TickPeriod;
    }
    if (unplugAt_ && now >= *unplugAt_)
        unplugFor(options_.replugAfter);
    if (replugAt_ && now >= *replugAt_) {
        replugAt_.reset();
        if (!plug()) {
            exitCode_ = 1;
            quit_ = true;
        }
    }
}

int Simulator::pollTimeoutMs() const
{
    Clock::time_point wake = nextTick_;
    for (const auto& at : {unplugAt_, replugAt_})
        if (at)
            wake = std::min(wake, *at);
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(wake - Clock::now());
    return int(std::max<long>(left.count(), 0));
}

// Reads what the PC has sent and answers every request completed by it.
bool Simulator::serve()
{
    Byte buffer[1024];
    int n;
    while ((n = port_.read(buffer, sizeof buffer)) > 0)
        for (int i = 0; i < n; ++i)
            if (reader_.feed(buffer[i]))
                answer(reader_.frame());
    if (n < 0)
        std::perror("qs7582-sim: reading the pty");
    return n == 0;
}

void Simulator::answer(const std::vector<Byte>& frame)
{
    Frame::Request request;
    if (!Frame::decodeRequest(frame.data(), int(frame.size()), request))
        return;
    const std::optional<Reply> reply = device_.answer(request);
    const Fault fault = reply ? faults_.next() : Fault::None;
    if (options_.verbose)
        std::fprintf(stderr, "qs7582-sim: command %d index %d, %zu payload bytes: %s%s\n", request.command,
                     request.index, request.payload.size(), reply ? "answered" : "ignored",
                     fault == Fault::None ? "" : (std::string(", ") + faultName(fault)).c_str());
    if (!reply)
        return;
    const std::vector<Byte> bytes = spoil(*reply, fault);
    if (!bytes.empty() && !port_.write(bytes.data(), int(bytes.size())))
        std::perror("qs7582-sim: writing the reply");
}

void Simulator::control(const std::string& line)
{
    std::istringstream in(line);
    std::string word;
    in >> word;
    static const std::pair<const char*, Fault> forced[] = {{"busy", Fault::Busy},
                                                           {"silence", Fault::Silence},
                                                           {"truncate", Fault::Truncate},
                                                           {"bad-escape", Fault::BadEscape}};
    for (const auto& [name, fault] : forced) {
        if (word == name) {
            int count = 1;
            in >> count;
            faults_.force(fault, std::max(count, 0));
            return;
        }
    }
    double value = 0;
    if (word == "faults" && in >> value && value >= 0 && value <= 1) {
        faults_.setRate(value);
    } else if (word == "unplug") {
        unplugFor(in >> value && value >= 0 ? value : options_.replugAfter);
    } else if (word == "life" && in >> word && (word == "on" || word == "off")) {
        device_.setLifeRunning(word == "on");
    } else if (word == "quit") {
        quit_ = true;
    } else if (!word.empty()) {
        std::fprintf(stderr, "qs7582-sim: unknown control command \"%s\" (see --help)\n", line.c_str());
    }
}

} // namespace q7582::sim
