#pragma once
// One request frame out and one reply frame in, over the chip. The reply is taken in
// one piece, whatever has arrived by then; the sender paces the exchange with its sleeps.

#include "link/Chip.h"
#include "link/FrameCodec.h"

namespace q7582 {

class FramePort {
public:
    explicit FramePort(Chip& chip) : chip_(chip) {}

    // Writes one request carrying count payload bytes (none when payload is null).
    // 0 written, 1 the write failed, 2 fewer bytes written than the frame has.
    TransferResult sendFrame(const Byte* payload, int count, Byte command, Byte index);

    // Takes one reply expected to carry count payload bytes and, when dest is not null,
    // stores them at dest. Every TransferResult can come back.
    TransferResult receiveFrame(int count, Byte* dest, Byte command, Byte index);

private:
    TransferResult send(const Byte* payload, int count, Byte command, Byte index);
    TransferResult receive(int count, Byte* dest, Byte command, Byte index);

    Chip& chip_;
    Byte out_[Frame::BufferSize];
    Byte in_[Frame::BufferSize];
};

} // namespace q7582
