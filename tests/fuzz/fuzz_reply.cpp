// Any bytes a device or a broken cable can put in the receive queue, given to the
// reply decoder directly and through receiveFrame over the fake chip, for every reply
// size the link expects. No crash, no overrun, and a result from the known set.
// The same bytes also go to the device side's request decoder.

#include "FakeChip.h"
#include "link/FramePort.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace q7582;

namespace {

bool known(int r) { return (r >= TransferOk && r <= TransferNoReply) || r == TransferMaster || r == TransferGenerator; }

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose what the link asked for; the rest is the reply.
    const Byte command = data[0];
    const Byte index = data[1] & 0x7F;
    const std::vector<Byte> reply(data + 2, data + size);
    static const int counts[] = {0, 64, 256};

    for (int count : counts) {
        std::vector<Byte> dest(Frame::MaxPayload, 0xAA);
        const int direct =
            Frame::decodeReply(reply.data(), int(reply.size()), command, index, count ? dest.data() : nullptr, count);
        check(known(direct));
        if (direct != TransferOk)
            for (Byte b : dest)
                check(b == 0xAA);

        FakeChip chip;
        check(chip.open() == 0);
        chip.queueReply(reply);
        FramePort port(chip);
        const int taken = port.receiveFrame(count, count ? dest.data() : nullptr, command, index);
        check(known(taken));
        if (reply.empty())
            check(taken == TransferNoReply);
        else if (int(reply.size()) > Frame::maxFrameLength(count))
            check(taken == TransferDeviceError);
        else
            check(taken == direct);
    }
    Frame::Request request;
    if (Frame::decodeRequest(data, int(size), request))
        check(request.payload.size() < size);
    return 0;
}
