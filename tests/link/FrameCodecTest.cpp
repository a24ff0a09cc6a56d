#include "FakeDevice.h"
#include "link/FakeChip.h"
#include "link/FramePort.h"

#include <gtest/gtest.h>

using namespace q7582;
using q7582::test::Bytes;

namespace {

Bytes request(Byte command, Byte index, const Bytes& payload)
{
    Bytes out(Frame::maxFrameLength(int(payload.size())));
    out.resize(Frame::buildRequest(out.data(), command, index, payload.data(), int(payload.size())));
    return out;
}

// Hands out fewer bytes than it claimed to hold, or writes only part of a frame.
class ShortChip : public FakeChip {
public:
    int read(Byte* buffer, int count, int& got) override
    {
        const int rc = FakeChip::read(buffer, count, got);
        got = count > 0 ? count - 1 : 0;
        return rc;
    }
    int write(const Byte* data, int count, int& written) override
    {
        const int rc = FakeChip::write(data, count, written);
        written = count - 1;
        return rc;
    }
};

} // namespace

TEST(FrameCodec, EscapesIndexAndPayloadButNeverTheCommand)
{
    EXPECT_EQ(request(0xC0, 0x07, {}), (Bytes{0xC0, 0xC0, 0x07}));
    EXPECT_EQ(request(1, 0xC0, {}), (Bytes{0xC0, 1, 0xB5, 0x00}));
    EXPECT_EQ(request(1, 0xB5, {}), (Bytes{0xC0, 1, 0xB5, 0x01}));
    EXPECT_EQ(request(4, 2, {0x11, 0xC0, 0xB5, 0x00, 0x01}),
              (Bytes{0xC0, 4, 2, 0x11, 0xB5, 0x00, 0xB5, 0x01, 0x00, 0x01}));

    // Every special byte costs one more byte on the wire, up to the longest frame.
    const Bytes allSpecial(256, 0xC0);
    EXPECT_EQ(int(request(4, 0xB5, allSpecial).size()), Frame::maxFrameLength(256));
    EXPECT_EQ(request(4, 3, Bytes(256, 0x41)).size(), 3u + 256u);

    // What the device decodes is what was meant.
    Frame::Request decoded;
    const Bytes payload = {0xC0, 0xB5, 0xB5, 0x00, 0xC0};
    const Bytes frame = request(2, 0xC0, payload);
    ASSERT_TRUE(Frame::decodeRequest(frame.data(), int(frame.size()), decoded));
    EXPECT_EQ(decoded.index, 0xC0);
    EXPECT_EQ(decoded.payload, payload);

    // SendFrame writes one whole frame; without a source it carries no payload.
    FakeChip chip;
    ASSERT_EQ(chip.open(), 0);
    FramePort port(chip);
    EXPECT_EQ(port.SendFrame(payload.data(), 2, 2, 1), TransferOk);
    EXPECT_EQ(port.SendFrame(nullptr, 64, 1, 0), TransferOk);
    EXPECT_EQ(chip.writes(), (std::vector<Bytes>{{0xC0, 2, 1, 0xB5, 0x00, 0xB5, 0x01}, {0xC0, 1, 0}}));
}

TEST(FrameCodec, ReceiveFrameGivesTheResultOfEveryReplyShape)
{
    const Byte page[4] = {0xC0, 0xB5, 0x00, 0x42};
    const Bytes good = {0xC0, 1, 0, 0xB5, 0x00, 0xB5, 0x01, 0x00, 0x42};
    struct Case {
        const char* what;
        Bytes bytes;
        int count;
        int result;
    };
    const Case cases[] = {
        {"nothing arrived", {}, 4, TransferNoReply},
        {"good, escaped payload", good, 4, TransferOk},
        {"more than 2 x count + 4 waiting", Bytes(2 * 4 + 5, 0x00), 4, TransferDeviceError},
        {"wrong start byte", {0xC1, 1, 0, 1, 2, 3, 4}, 4, TransferBadFrame},
        {"start byte only", {0xC0}, 4, TransferBadFrame},
        {"busy", {0xC0, 0xFF, 0}, 4, TransferBusy},
        {"a master answers", {0xC0, 0xFD, 0}, 4, TransferMaster},
        {"a generator answers", {0xC0, 0xFE}, 4, TransferGenerator},
        {"wrong command echo", {0xC0, 2, 0, 1, 2, 3, 4}, 4, TransferBadFrame},
        {"wrong index echo", {0xC0, 1, 1, 1, 2, 3, 4}, 4, TransferBadFrame},
        {"index echo missing", {0xC0, 1}, 4, TransferBadFrame},
        {"truncated payload", {0xC0, 1, 0, 1, 2, 3}, 4, TransferLengthMismatch},
        {"one byte too many", {0xC0, 1, 0, 1, 2, 3, 4, 5}, 4, TransferLengthMismatch},
        {"escape with another byte vanishes", {0xC0, 1, 0, 1, 2, 0xB5, 0x07, 3}, 4, TransferLengthMismatch},
        {"lone trailing escape", {0xC0, 1, 0, 1, 2, 3, 0xB5}, 4, TransferLengthMismatch},
        {"no payload: extra bytes ignored", {0xC0, 1, 0, 9}, 0, TransferOk},
        {"no payload: more than 4 bytes", {0xC0, 1, 0, 9, 9}, 0, TransferDeviceError},
    };
    for (const Case& c : cases) {
        FakeChip chip;
        ASSERT_EQ(chip.open(), 0);
        chip.queueReply(c.bytes);
        FramePort port(chip);
        Byte dest[Frame::MaxPayload] = {};
        Byte* target = c.count ? dest : nullptr;
        EXPECT_EQ(port.ReceiveFrame(c.count, target, 1, 0), c.result) << c.what;
        if (c.result == TransferOk && c.count) {
            EXPECT_TRUE(std::equal(page, page + 4, dest)) << c.what;
        } else {
            EXPECT_EQ(dest[0], 0) << c.what << ": a failed reply must not reach the destination";
        }
    }

    FakeChip gone;
    FramePort gonePort(gone);
    EXPECT_EQ(gonePort.ReceiveFrame(0, nullptr, 5, 0), TransferDeviceError);
    EXPECT_EQ(gonePort.SendFrame(nullptr, 0, 5, 0), TransferDeviceError);

    ShortChip shortChip;
    ASSERT_EQ(shortChip.open(), 0);
    shortChip.queueReply({0xC0, 5, 0});
    FramePort shortPort(shortChip);
    EXPECT_EQ(shortPort.ReceiveFrame(0, nullptr, 5, 0), TransferShort);
    EXPECT_EQ(shortPort.SendFrame(nullptr, 0, 5, 0), TransferShort);
}
