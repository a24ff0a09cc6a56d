#include "FakeDevice.h"
#include "SimHarness.h"
#include "link/FramePort.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace q7582;
using q7582::simtest::requestFrame;
using q7582::test::Bytes;

namespace {

// Hands out one byte fewer than it said it held.
class ShortChip : public FakeChip {
public:
    int read(Byte* buffer, int count, int& got) override
    {
        const int rc = FakeChip::read(buffer, count, got);
        got = count - 1;
        return rc;
    }
};

} // namespace

TEST(FrameCodec, EscapesIndexAndPayloadButNeverTheCommand)
{
    EXPECT_EQ(requestFrame(0xC0, 0xC0, {}), (Bytes{0xC0, 0xC0, 0xB5, 0x00}));
    EXPECT_EQ(requestFrame(1, 0xB5, {}), (Bytes{0xC0, 1, 0xB5, 0x01}));
    EXPECT_EQ(requestFrame(4, 2, {0x11, 0xC0, 0xB5, 0x00, 0x01}),
              (Bytes{0xC0, 4, 2, 0x11, 0xB5, 0x00, 0xB5, 0x01, 0x00, 0x01}));
    // Every special byte costs one more byte on the wire.
    EXPECT_EQ(requestFrame(4, 0xB5, Bytes(256, 0xC0)).size(), 4u + 2 * 256u);
    EXPECT_EQ(requestFrame(4, 3, Bytes(256, 0x41)).size(), 3u + 256u);
}

TEST(FrameCodec, ReceiveFrameGivesTheResultOfEveryReplyShape)
{
    const Byte page[4] = {0xC0, 0xB5, 0x00, 0x42};
    const std::tuple<const char*, Bytes, int, int> cases[] = {
        // what, the reply, count, result
        {"nothing arrived", {}, 4, TransferNoReply},
        {"good, escaped payload", {0xC0, 1, 0, 0xB5, 0x00, 0xB5, 0x01, 0x00, 0x42}, 4, TransferOk},
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
    for (const auto& [what, bytes, count, result] : cases) {
        FakeChip chip;
        ASSERT_EQ(chip.open(), 0);
        chip.queueReply(bytes);
        Byte dest[Frame::MaxPayload] = {};
        EXPECT_EQ(FramePort(chip).receiveFrame(count, count ? dest : nullptr, 1, 0), result) << what;
        if (result == TransferOk && count)
            EXPECT_TRUE(std::equal(page, page + 4, dest)) << what;
        else
            EXPECT_EQ(dest[0], 0) << what << ": a failed reply must not reach the destination";
    }

    FakeChip gone;
    EXPECT_EQ(FramePort(gone).receiveFrame(0, nullptr, 5, 0), TransferDeviceError);
    EXPECT_EQ(FramePort(gone).sendFrame(nullptr, 0, 5, 0), TransferDeviceError);

    ShortChip shortChip;
    ASSERT_EQ(shortChip.open(), 0);
    shortChip.queueReply({0xC0, 5, 0});
    EXPECT_EQ(FramePort(shortChip).receiveFrame(0, nullptr, 5, 0), TransferShort);
}
