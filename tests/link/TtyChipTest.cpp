#include "link/TtyChip.h"
#include "FakeDevice.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

using namespace q7582;
using q7582::test::Bytes;

namespace {

// The test plays the device on the master side of a pseudo-terminal; the chip opens the
// slave side through a link that can vanish, as it opens the simulator's.
class TtyChipTest : public ::testing::Test {
protected:
    int pty = posix_openpt(O_RDWR | O_NOCTTY);
    QTemporaryDir dir;
    const std::string link = dir.filePath("link").toStdString();
    TtyChip chip{link};

    void SetUp() override
    {
        ASSERT_TRUE(pty >= 0 && grantpt(pty) == 0 && unlockpt(pty) == 0);
        ASSERT_EQ(::symlink(ptsname(pty), link.c_str()), 0);
        ASSERT_EQ(chip.open(), 0);
    }
    void TearDown() override
    {
        if (pty >= 0)
            ::close(pty);
    }
};

} // namespace

TEST_F(TtyChipTest, BytesFromTheDevicePassUnchanged)
{
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
}

TEST_F(TtyChipTest, HungUpLineOrVanishedPathMakesPurgeFail)
{
    EXPECT_EQ(chip.purge(), 0);

    ::unlink(link.c_str());
    EXPECT_NE(chip.purge(), 0);
    chip.close();
    EXPECT_NE(chip.open(), 0) << "open fails while the path does not exist";
    EXPECT_EQ(chip.openFailure(), OpenFailure::None);

    ASSERT_EQ(::symlink(ptsname(pty), link.c_str()), 0);
    ASSERT_EQ(chip.open(), 0);
    ::close(pty);
    pty = -1;
    EXPECT_NE(chip.purge(), 0);
    int waiting = 0;
    EXPECT_NE(chip.getStatus(waiting), 0);
    EXPECT_FALSE(chip.lastError().empty());
}

TEST_F(TtyChipTest, SecondOpenOfAHeldLineIsInUseAndNeverSteals)
{
    TtyChip second{link};
    EXPECT_NE(second.open(), 0);
    EXPECT_EQ(second.openFailure(), OpenFailure::InUse);
    EXPECT_EQ(chip.purge(), 0) << "the holder keeps its line";

    // Closed and reopened, as after a reconnect: the exclusive mode must not outlive us.
    chip.close();
    ASSERT_EQ(second.open(), 0);
    EXPECT_EQ(second.openFailure(), OpenFailure::None);
    second.close();
    EXPECT_EQ(chip.open(), 0);
}
