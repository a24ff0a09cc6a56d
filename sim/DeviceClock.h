#pragma once
// The device's own clock: starts at the PC's local time, runs on its own from the
// moment it is set, and can be frozen.

#include "model/BcdClock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace q7582::sim {

class DeviceClock {
public:
    DeviceClock();
    // Takes a time written by the PC; false (clock unchanged) when it is no real date.
    bool set(const ClockTime& t);
    void setRunning(bool running);
    ClockTime now() const;

private:
    QDateTime base_;
    QElapsedTimer since_;
    bool running_ = true;
};

} // namespace q7582::sim
