#include "FakeDevice.h"
#include "SimHarness.h"
#include "link/FramePort.h"
#include "link/OpenFailure.h"
#include "link/TtyChip.h"

#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <thread>
#include <tuple>
#include <unistd.h>

using namespace q7582;
using q7582::simtest::requestFrame;
using q7582::test::Bytes;

TEST(FrameCodec, EscapesIndexAndPayloadButNeverTheCommand)
{
    EXPECT_EQ(requestFrame(0xC0, 0xC0, {}), (Bytes{0xC0, 0xC0, 0xB5, 0x00}));
    EXPECT_EQ(requestFrame(4, 2, {0x11, 0xC0, 0xB5, 0x00, 0x01}),
              (Bytes{0xC0, 4, 2, 0x11, 0xB5, 0x00, 0xB5, 0x01, 0x00, 0x01}));
    // Every special byte costs one more byte on the wire.
    EXPECT_EQ(requestFrame(4, 0xB5, Bytes(256, 0xC0)).size(), 4u + 2 * 256u);
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

    FakeChip shortChip;
    shortChip.setShortReads(true);
    ASSERT_EQ(shortChip.open(), 0);
    shortChip.queueReply({0xC0, 5, 0});
    EXPECT_EQ(FramePort(shortChip).receiveFrame(0, nullptr, 5, 0), TransferShort);
}

TEST(OpenFailure, EveryPathLibftdiReportsDeniedAccessByIsNoAccess)
{
    using enum OpenFailure;
    const std::tuple<int, int, bool, OpenFailure> cases[] = {
        // libftdi's result, errno, the node refused, the failure
        {0, 0, false, None},           // opened
        {-4, EACCES, false, NoAccess}, // libusb_open() on a node we may not write
        {-4, 0, true, NoAccess},       // errno lost, the node tells
        {-8, 0, false, NoAccess},      // detaching the kernel driver refused
        {-5, 0, true, NoAccess},       // permissions come before a claim
        {-5, 0, false, InUse},         // another program claimed the interface
        {-3, EBUSY, false, InUse},     // setting the configuration, busy
        {-3, 0, false, None},          // and failing otherwise
        {-4, ENODEV, false, None},     // unplugged while opening
    };
    for (const auto& [rc, err, nodeRefused, expected] : cases)
        EXPECT_EQ(classifyFtdiOpenFailure(rc, err, nodeRefused), expected)
            << "rc " << rc << " errno " << err << " node refused " << nodeRefused;
    // EBUSY: another program set TIOCEXCL; EWOULDBLOCK: it holds the flock.
    for (const auto& [err, expected] :
         {std::pair{EACCES, NoAccess}, {EPERM, NoAccess}, {EBUSY, InUse}, {EWOULDBLOCK, InUse}, {ENOENT, None}})
        EXPECT_EQ(classifySerialOpenErrno(err), expected) << "errno " << err;
}

TEST(OpenFailure, DeviceNodePathAndPermissions)
{
    EXPECT_EQ(usbDeviceNode(1, 5), "/dev/bus/usb/001/005");
    QTemporaryDir dir;
    EXPECT_FALSE(deviceNodeRefused(dir.filePath("gone").toStdString())) << "a missing node is no device, not denial";
    EXPECT_FALSE(deviceNodeRefused(dir.path().toStdString()));
}

// The test plays the device on the master side of a pseudo-terminal; the chip opens the
// slave side. Opening through the simulator's link, hang-ups and a vanished link are the
// simulator's unplug, seen end to end.
TEST(TtyChip, BytesFromTheDevicePassUnchanged)
{
    const int pty = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(pty >= 0 && grantpt(pty) == 0 && unlockpt(pty) == 0);
    TtyChip chip{ptsname(pty)};
    ASSERT_EQ(chip.open(), 0);

    // Bytes a cooked line would translate, swallow or act on.
    const Bytes special = {0x0D, 0x0A, 0x03, 0x04, 0x11, 0x13, 0x1A, 0x7F, 0xC0, 0xB5, 0xFF, 0x00};
    ASSERT_EQ(::write(pty, special.data(), special.size()), ssize_t(special.size()));
    int waiting = 0;
    for (int i = 0; i < 100 && chip.getStatus(waiting) == 0 && waiting < int(special.size()); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Byte received[64];
    int got = 0;
    ASSERT_EQ(chip.read(received, waiting, got), 0);
    EXPECT_EQ(Bytes(received, received + got), special);
    ::close(pty);
}
