#pragma once
// A message generator: the 64-byte status and command block, an SD card holding a
// few messages, playback for a few seconds on command, its clock and the summer-time
// table it switches by.

#include "Device.h"
#include "DeviceClock.h"
#include "StateDump.h"
#include "model/GeneratorStatus.h"

#include <chrono>

namespace q7582::sim {

class GeneratorDevice : public Device {
public:
    static constexpr int CardMessages[] = {1, 2, 3, 10, 128};
    static constexpr std::chrono::seconds PlayTime{4};

    GeneratorDevice(bool cardInserted, const StateDump& dump);

    std::optional<Reply> answer(const Frame::Request& request) override;
    void tick() override;
    void setLifeRunning(bool running) override { clock_.setRunning(running); }

private:
    std::optional<Reply> writeBlock(const Frame::Request& request);
    std::optional<Reply> takeLegalTable(const Frame::Request& request);
    void obey(Byte command, const Byte* sent);
    void play(int message);
    void stop();
    void showClock() { Bcd::encodeClock(status_.data() + GeneratorStatus::Clock, clock_.now()); }
    void dumpStatus() const;

    GeneratorStatus status_;
    DeviceClock clock_;
    std::chrono::steady_clock::time_point playingUntil_;
    const StateDump& dump_;
};

} // namespace q7582::sim
