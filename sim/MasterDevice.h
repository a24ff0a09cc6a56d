#pragma once
// A master: the 128-byte live status in two pages and the 32768-byte configuration
// memory, which starts as the factory configuration of its address and keeps what
// is downloaded.

#include "Device.h"
#include "DeviceClock.h"
#include "MasterLife.h"
#include "StateDump.h"
#include "model/ConfigImage.h"
#include "model/StatusBlock.h"

namespace q7582::sim {

class MasterDevice : public Device {
public:
    MasterDevice(int address, std::uint32_t seed, const StateDump& dump, bool scripted = false);

    std::optional<Reply> answer(const Frame::Request& request) override;
    void tick() override;
    void setLifeRunning(bool running) override;

private:
    std::optional<Reply> writeStatus(const Frame::Request& request);
    std::optional<Reply> writeBlock(const Frame::Request& request);
    void showClock();

    StatusBlock status_;
    ConfigImage config_;
    DeviceClock clock_;
    MasterLife life_;
    bool lifeRunning_ = true;
    const StateDump& dump_;
};

} // namespace q7582::sim
