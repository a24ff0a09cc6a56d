// Any bytes a device or a broken cable can put in the receive queue, given to the
// reply decoder directly and through receiveFrame over the fake chip, for every reply
// size the link expects. No crash, no overrun, and a result from the known set.
// The same bytes also go to the device side's request decoder.

#include "FakeChip.h"
#include "FuzzCheck.h"
#include "link/FramePort.h"

#include <cstdint>

using namespace q7582;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose what the link asked for; the rest is the reply.
    const Byte command = data[0];
    const Byte index = data[1] & 0x7F;
    const std::vector<Byte> reply(data + 2, data + size);

    for (int count : {0, 64, 256}) {
        std::vector<Byte> dest(Frame::MaxPayload, 0xAA);
        const int direct =
            Frame::decodeReply(reply.data(), int(reply.size()), command, index, count ? dest.data() : nullptr, count);
        check((direct >= TransferOk && direct <= TransferNoReply) || direct == TransferMaster
              || direct == TransferGenerator);
        check(direct == TransferOk || std::all_of(dest.begin(), dest.end(), [](Byte b) { return b == 0xAA; }));

        FakeChip chip;
        check(chip.open() == 0);
        chip.queueReply(reply);
        const int taken = FramePort(chip).receiveFrame(count, count ? dest.data() : nullptr, command, index);
        check(taken
              == (reply.empty()                                      ? TransferNoReply
                  : int(reply.size()) > Frame::maxFrameLength(count) ? TransferDeviceError
                                                                     : direct));
    }
    Frame::Request request;
    check(!Frame::decodeRequest(data, int(size), request) || request.payload.size() < size);
    return 0;
}
