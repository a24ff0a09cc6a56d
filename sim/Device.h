#pragma once
// What the simulator plays: a master or a message generator answering requests.

#include "link/FrameCodec.h"

#include <optional>
#include <vector>

namespace q7582::sim {

struct Reply {
    Byte command = 0;
    Byte index = 0;
    std::vector<Byte> payload;
};

class Device {
public:
    virtual ~Device() = default;
    // The reply to one request; nothing when the device ignores it.
    virtual std::optional<Reply> answer(const Frame::Request& request) = 0;
    // Called every life tick (about 150 ms).
    virtual void tick() = 0;
    // Freezes or restarts the simulated activity and the clock.
    virtual void setLifeRunning(bool running) = 0;
};

} // namespace q7582::sim
