#include "link/FramePort.h"

namespace q7582 {

TransferResult FramePort::SendFrame(const Byte* payload, int count, Byte command, Byte index)
{
    if (count < 0 || count > Frame::MaxPayload)
        return TransferDeviceError;
    const int length = Frame::buildRequest(out_, command, index, payload, payload ? count : 0);
    int written = 0;
    if (chip_.write(out_, length, written) != 0)
        return TransferDeviceError;
    return written == length ? TransferOk : TransferShort;
}

TransferResult FramePort::ReceiveFrame(int count, Byte* dest, Byte command, Byte index)
{
    if (count < 0 || count > Frame::MaxPayload)
        return TransferDeviceError;
    int waiting = 0;
    if (chip_.getStatus(waiting) != 0 || waiting < 0)
        return TransferDeviceError;
    if (waiting == 0)
        return TransferNoReply;
    // More than the longest reply of this size: not ours, and it would not fit.
    if (waiting > Frame::maxFrameLength(count))
        return TransferDeviceError;
    int got = 0;
    if (chip_.read(in_, waiting, got) != 0)
        return TransferDeviceError;
    if (got != waiting)
        return TransferShort;
    return Frame::decodeReply(in_, got, command, index, dest, count);
}

} // namespace q7582
