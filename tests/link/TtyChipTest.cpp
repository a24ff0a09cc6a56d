#include "link/TtyChip.h"
#include "FakeDevice.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

using namespace q7582;
using q7582::test::Bytes;

// The test plays the device on the master side of a pseudo-terminal; the chip opens the
// slave side through a link, as it opens the simulator's. Hang-ups and a vanished link
// are the simulator's unplug, seen end to end.
TEST(TtyChip, BytesFromTheDevicePassUnchanged)
{
    const int pty = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(pty >= 0 && grantpt(pty) == 0 && unlockpt(pty) == 0);
    QTemporaryDir dir;
    const std::string link = dir.filePath("link").toStdString();
    ASSERT_EQ(::symlink(ptsname(pty), link.c_str()), 0);
    TtyChip chip{link};
    ASSERT_EQ(chip.open(), 0);

    // Bytes a cooked line would translate, swallow or act on.
    const Bytes special = {0x0D, 0x0A, 0x03, 0x04, 0x11, 0x13, 0x1A, 0x7F, 0xC0, 0xB5, 0xFF, 0x00};
    const int size = int(special.size());
    ASSERT_EQ(::write(pty, special.data(), special.size()), ssize_t(size));
    int waiting = 0;
    for (int i = 0; i < 100 && chip.getStatus(waiting) == 0 && waiting < size; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Byte received[64];
    int got = 0;
    ASSERT_EQ(chip.read(received, waiting, got), 0);
    EXPECT_EQ(Bytes(received, received + got), special);
    ::close(pty);
}
