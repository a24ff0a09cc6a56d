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

Simulator::Simulator(const Options& options, Port& port, Device& device, const StateDump& dump, FaultInjector& faults,
                     ControlFifo* control)
    : options_(options), device_(device), dump_(dump), faults_(faults), control_(control), port_(port)
{
}

bool Simulator::plug()
{
    if (!port_.plug()) {
        std::fprintf(stderr, "qs7582-sim: %s\n", port_.error().c_str());
        return false;
    }
    std::fprintf(stderr, "qs7582-sim: %s plugged in on %s\n", options_.generator ? "message generator" : "master",
                 port_.where().c_str());
    if (options_.printReady) {
        std::printf("%s\n", port_.readyLine().c_str());
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
    dump_.settle(); // the device as it starts
    if (!plug())
        return 1;
    nextTick_ = Clock::now();
    if (options_.unplugAfter)
        unplugAt_ = Clock::now() + toDuration(*options_.unplugAfter);

    while (!quit_) {
        runTimers();
        if (quit_)
            break;
        std::vector<pollfd> fds = {{signalFd, POLLIN, 0}, {control_ ? control_->fd() : -1, POLLIN, 0}};
        port_.watch(fds);
        if (poll(fds.data(), fds.size(), pollTimeoutMs()) < 0)
            continue; // EINTR: the signals that matter arrive through signalFd
        if (fds[0].revents & POLLIN) {
            signalfd_siginfo info{};
            if (::read(signalFd, &info, sizeof info) == ssize_t(sizeof info))
                std::fprintf(stderr, "qs7582-sim: signal %u, stopping\n", info.ssi_signo);
            quit_ = true;
        }
        if (!serve()) {
            exitCode_ = 1;
            break;
        }
        if (fds[1].revents & POLLIN)
            for (const std::string& line : control_->readLines()) {
                const bool known = control(line);
                dump_.settle(); // done once its files show it
                acknowledge(line, known);
            }
        dump_.flush(); // what the device's life changed
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

// Takes what the PC has sent and answers every request completed by it.
bool Simulator::serve()
{
    std::vector<Byte> received;
    const bool ok = port_.serve(received);
    for (Byte b : received)
        if (reader_.feed(b))
            answer(reader_.frame());
    if (!ok)
        std::fprintf(stderr, "qs7582-sim: %s\n", port_.error().c_str());
    return ok;
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
    dump_.flush();
}

// With --print-ready a script or test learns on stdout that its command took effect.
void Simulator::acknowledge(const std::string& line, bool known) const
{
    if (!options_.printReady)
        return;
    std::printf("%s %s\n", known ? "done" : "unknown", line.c_str());
    std::fflush(stdout);
}

bool Simulator::control(const std::string& line)
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
            return true;
        }
    }
    double value = 0;
    if (word == "faults" && in >> value && value >= 0 && value <= 1) {
        faults_.setRate(value);
    } else if (word == "unplug") {
        unplugFor(in >> value && value >= 0 ? value : options_.replugAfter);
    } else if (word == "life" && in >> word && (word == "on" || word == "off")) {
        device_.setLifeRunning(word == "on");
    } else if (word == "sync") {
        // nothing: its answer says that everything before it took effect
    } else if (word == "quit") {
        quit_ = true;
    } else if (!word.empty() && !port_.control(word, in)) {
        std::fprintf(stderr, "qs7582-sim: unknown control command \"%s\" (see --help)\n", line.c_str());
        return false;
    }
    return true;
}

} // namespace q7582::sim
