#pragma once
// Spoils replies on purpose, so that the manager's recovery can be tried: every Nth
// reply, the next N replies (run-time control), or at random for soak tests.

#include "Device.h"
#include "Options.h"

#include <random>

namespace q7582::sim {

enum class Fault { None, Busy, Silence, Truncate, BadEscape };

const char* faultName(Fault f);

class FaultInjector {
public:
    FaultInjector(const FaultCounts& every, double rate, std::uint32_t seed);

    // The fault for the next reply.
    Fault next();
    // The next count replies get this fault.
    void force(Fault f, int count);
    void setRate(double rate) { rate_ = rate; }

private:
    FaultCounts every_;
    double rate_;
    std::mt19937 rng_;
    long replies_ = 0;
    Fault forced_ = Fault::None;
    int forcedCount_ = 0;
};

// The bytes that go on the wire for this reply with this fault; empty for silence.
std::vector<Byte> spoil(const Reply& reply, Fault fault);

} // namespace q7582::sim
