#pragma once
// Assembles the PC's request frames from the bytes as they trickle in. Frames carry
// no length, so a frame is complete when its command's payload has arrived: nothing
// for commands 1, 3 and 5, a status page for 2, a block for 4. A 0xC0 always starts
// a new frame, which drops a frame left incomplete.

#include "model/Bytes.h"

#include <vector>

namespace q7582::sim {

// Unescaped payload bytes a request with this command carries.
int requestPayloadSize(Byte command);

class RequestReader {
public:
    // Takes one byte; true when it completed a frame, which frame() then holds.
    bool feed(Byte b);
    const std::vector<Byte>& frame() const { return frame_; }

private:
    std::vector<Byte> frame_;
    int needed_ = 0; // unescaped bytes after the command: index and payload
    int yielded_ = 0;
    bool escape_ = false;
    bool complete_ = false;
};

} // namespace q7582::sim
