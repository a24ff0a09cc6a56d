#pragma once
// The simulator's loop: waits (poll, never spins) for requests from the PC, control
// commands and signals; answers each complete request at once with one write, runs
// the device's life every tick and unplugs and replugs the cable on schedule.

#include "ControlFifo.h"
#include "Device.h"
#include "FaultInjector.h"
#include "Options.h"
#include "Port.h"
#include "RequestReader.h"
#include "StateDump.h"

#include <chrono>
#include <optional>
#include <string>

namespace q7582::sim {

class Simulator {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds TickPeriod{150};

    Simulator(const Options& options, Port& port, Device& device, const StateDump& dump, FaultInjector& faults,
              ControlFifo* control);

    // Runs until SIGINT, SIGTERM, SIGHUP or "quit"; returns the exit code.
    // The caller blocks those signals first.
    int run(int signalFd);

private:
    bool plug();
    void unplugFor(double seconds);
    void runTimers();
    int pollTimeoutMs() const;
    bool serve();
    void answer(const std::vector<Byte>& frame);
    // Carries out one control command; false when it is not one.
    bool control(const std::string& line);
    void acknowledge(const std::string& line, bool known) const;

    const Options& options_;
    Device& device_;
    const StateDump& dump_;
    FaultInjector& faults_;
    ControlFifo* control_;
    Port& port_;
    RequestReader reader_;
    Clock::time_point nextTick_;
    std::optional<Clock::time_point> unplugAt_;
    std::optional<Clock::time_point> replugAt_;
    bool quit_ = false;
    int exitCode_ = 0;
};

} // namespace q7582::sim
