#include "FakeDevice.h"
#include "RecordingObserver.h"
#include "link/LinkEngine.h"
#include "link/TtyChip.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace q7582;
using namespace q7582::test;

namespace {

// The test plays the device on the master side of a pseudo-terminal; the link opens
// the slave side as it would open the simulator's.
class TtyChipTest : public ::testing::Test {
protected:
    int pty = -1;
    std::string slavePath;
    FakeDevice device;
    LinkShared shared;
    RecordingObserver window;

    void SetUp() override
    {
        pty = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(pty, 0);
        ASSERT_EQ(grantpt(pty), 0);
        ASSERT_EQ(unlockpt(pty), 0);
        slavePath = ptsname(pty);
    }
    void TearDown() override
    {
        if (pty >= 0)
            ::close(pty);
    }

    // The link's pause after a request: the device reads it and answers.
    void serveRequest()
    {
        pollfd p{pty, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0 || !(p.revents & POLLIN))
            return;
        Byte buffer[Frame::BufferSize];
        const ssize_t n = ::read(pty, buffer, sizeof buffer);
        if (n <= 0)
            return;
        const Bytes answer = device.answer(Bytes(buffer, buffer + n));
        ASSERT_EQ(::write(pty, answer.data(), answer.size()), ssize_t(answer.size()));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
};

} // namespace

TEST_F(TtyChipTest, IdentifiesAndPollsAMasterOverARawLine)
{
    TtyChip chip(slavePath);
    LinkEngine engine(chip, shared, window, [this](int) { serveRequest(); });
    ASSERT_TRUE(engine.OpenDevice());
    engine.startSearch();
    for (int i = 0; i < 4 && shared.connectionState != Connected; ++i)
        engine.step();
    ASSERT_EQ(shared.connectionState, Connected);

    // Bytes a cooked line would translate, swallow or act on must pass unchanged.
    const Bytes special = {0x0D, 0x0A, 0x03, 0x04, 0x11, 0x13, 0x1A, 0x7F, 0xC0, 0xB5, 0xFF, 0x00};
    std::copy(special.begin(), special.end(), device.status.page(1));
    engine.step();
    engine.step();
    ASSERT_EQ(window.count("statusDisplayRefresh"), 1);
    shared.withStatus([&](const StatusBlock& s) { EXPECT_TRUE(std::equal(special.begin(), special.end(), s.page(1))); });
}

TEST_F(TtyChipTest, HungUpLineOrVanishedPathMakesPurgeFail)
{
    QTemporaryDir dir;
    const std::string link = dir.filePath("q7582-master").toStdString();
    ASSERT_EQ(::symlink(slavePath.c_str(), link.c_str()), 0);
    TtyChip chip(link);
    ASSERT_EQ(chip.open(), 0);
    int waiting = -1;
    EXPECT_EQ(chip.getStatus(waiting), 0);
    EXPECT_EQ(waiting, 0);
    EXPECT_EQ(chip.purge(), 0);

    ::unlink(link.c_str());
    EXPECT_NE(chip.purge(), 0);
    chip.close();
    EXPECT_NE(chip.open(), 0) << "open fails while the path does not exist";
    EXPECT_FALSE(chip.accessDenied());

    ASSERT_EQ(::symlink(slavePath.c_str(), link.c_str()), 0);
    ASSERT_EQ(chip.open(), 0);
    ::close(pty);
    pty = -1;
    EXPECT_NE(chip.purge(), 0);
    EXPECT_NE(chip.getStatus(waiting), 0);
    EXPECT_FALSE(chip.lastError().empty());
}
