#include "link/FramePort.h"
#include "link/LinkLog.h"

namespace q7582 {

TransferResult FramePort::sendFrame(const Byte* payload, int count, Byte command, Byte index)
{
    const TransferResult result = send(payload, count, command, index);
    if (result != TransferOk)
        logTransferFailure(chip_, "send", command, index, result);
    return result;
}

TransferResult FramePort::receiveFrame(int count, Byte* dest, Byte command, Byte index)
{
    const TransferResult result = receive(count, dest, command, index);
    // Master and generator are the answers to an ID search, not failures.
    if (result != TransferOk && result != TransferMaster && result != TransferGenerator)
        logTransferFailure(chip_, "reply to", command, index, result);
    return result;
}

TransferResult FramePort::send(const Byte* payload, int count, Byte command, Byte index)
{
    if (count < 0 || count > Frame::MaxPayload)
        return TransferDeviceError;
    const int length = Frame::buildRequest(out_, command, index, payload, payload ? count : 0);
    int written = 0;
    if (chip_.write(out_, length, written) != 0)
        return TransferDeviceError;
    return written == length ? TransferOk : TransferShort;
}

TransferResult FramePort::receive(int count, Byte* dest, Byte command, Byte index)
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
