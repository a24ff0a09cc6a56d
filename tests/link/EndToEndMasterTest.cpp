// The link against the simulated master, through the tty backend and the worker thread.
// The simulator's dump files show what reached the device.

#include "LinkToSimulator.h"
#include "model/Dati.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;

namespace {

// A quarter of the device's pacing: transfers take two seconds instead of eight.
constexpr double Pacing = 0.25;
constexpr int TransferMs = 10000;
constexpr Byte Erased = 0xEE;

QByteArray bytesOf(const Byte* data, int size) { return QByteArray(reinterpret_cast<const char*>(data), size); }

bool pageErased(const StatusBlock& s, int page)
{
    return std::all_of(s.page(page), s.page(page) + StatusBlock::PageSize, [](Byte b) { return b == Erased; });
}

} // namespace

TEST(MasterEndToEnd, IdentifiesThenReadsPageOneFirstAndAgainEveryEighthRead)
{
    LinkToSimulator run({"--address", "3"}, Pacing);
    // The window erases the block at every refresh, so the page that is not erased at
    // the next refresh is the one just read.
    std::vector<int> pagesRead;
    auto eraseBlock = [&] { run.shared.withStatus([](StatusBlock& s) { s.bytes.fill(Erased); }); };
    eraseBlock();
    run.window.onCall = [&](const std::string& call) {
        if (call != "statusDisplayRefresh")
            return;
        run.shared.withStatus([&](const StatusBlock& s) {
            for (int page : {0, 1})
                if (!pageErased(s, page))
                    pagesRead.push_back(page);
        });
        eraseBlock();
    };
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitState(Connected));
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 17));
    EXPECT_TRUE(run.shared.justConnected);
    EXPECT_EQ(run.window.count("enterGeneratorMode"), 0);
    pagesRead.resize(17);
    EXPECT_EQ(pagesRead, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}));

    // Left alone, the block fills with what the master holds.
    run.window.onCall = nullptr;
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 9));
    const QByteArray held = run.sim.dump("status.bin");
    run.shared.withStatus([&](const StatusBlock& s) {
        EXPECT_EQ(bytesOf(s.data(), StatusBlock::Size), held);
        EXPECT_EQ(s.masterAddress(), 3);
    });
    EXPECT_TRUE(run.window.allOn(QThread::currentThread()));
}

TEST(MasterEndToEnd, UploadReadsAndDownloadReplacesTheMastersMemory)
{
    LinkToSimulator run({"--address", "3"}, Pacing);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitState(Connected));

    run.shared.requests.UploadRequest = true;
    ASSERT_TRUE(run.waitCalls("uploadCompleted", 1, TransferMs));
    ConfigImage defaults;
    buildDefaultConfiguration(defaults, 3);
    EXPECT_EQ(run.window.image.bytes, defaults.bytes);
    EXPECT_EQ(run.sim.dump("config.bin"), bytesOf(defaults.data(), ConfigImage::Size));
    EXPECT_FALSE(run.shared.requests.UploadRequest);
    EXPECT_EQ(run.window.provenance.origin, ConfigOrigin::OriginMaster);
    EXPECT_EQ(run.window.count("disableMainWindow"), 1);

    // Every block holds both bytes that travel escaped.
    for (int i = 0; i < ConfigImage::Size; ++i)
        run.window.image.bytes[i] = Byte(i * 7 + i / ConfigImage::BlockSize);
    const ConfigImage sent = run.window.image;
    run.shared.requests.DownloadRequest = true;
    ASSERT_TRUE(run.waitCalls("downloadCompleted", 1, TransferMs));
    EXPECT_EQ(run.sim.dump("config.bin"), bytesOf(sent.data(), ConfigImage::Size));
    EXPECT_FALSE(run.shared.requests.DownloadRequest);
    EXPECT_EQ(run.window.count("disableMainWindow"), 2);
}

TEST(MasterEndToEnd, StatusAndClockPageWritesReachTheMaster)
{
    LinkToSimulator run({}, Pacing);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 1));

    // As the window does: change the block and ask for the write inside a refresh.
    auto writeInRefresh = [&](const std::function<void(StatusBlock&)>& change, std::atomic<bool>& request) {
        bool asked = false;
        run.window.onNextRefresh = [&] {
            run.shared.withStatus(change);
            request = asked = true;
        };
        return spinUntil([&] { return asked && !request; });
    };
    const ClockTime set{2030, 6, 15, 10, 20, 30, 6};
    ASSERT_TRUE(writeInRefresh([](StatusBlock& s) { s.setMusicLevel(Frame::Start); },
                               run.shared.requests.StatusWriteRequest));
    ASSERT_TRUE(writeInRefresh([&](StatusBlock& s) { s.setMasterClock(set); }, run.shared.requests.ClockWriteRequest));

    StatusBlock kept;
    const QByteArray dumped = run.sim.dump("status.bin");
    ASSERT_EQ(dumped.size(), StatusBlock::Size);
    std::copy(dumped.begin(), dumped.end(), kept.data());
    EXPECT_EQ(kept.musicLevel(), Frame::Start);
    EXPECT_EQ(kept.masterClock(), set);
    EXPECT_EQ(run.shared.connectionState, Connected) << "no write failed on the way";
}
