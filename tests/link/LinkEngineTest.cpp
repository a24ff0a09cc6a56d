#include "link/LinkEngine.h"
#include "FakeDevice.h"
#include "RecordingObserver.h"
#include "model/FileIo.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;

namespace {

using Names = std::vector<std::string>;

// Collects "category: message" while it lives; the rules switched on end with it.
// Main thread only: the engine runs here.
struct LogCapture {
    static inline QStringList lines;
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& c, const QString& m) {
        lines << QString::fromLatin1(c.category) + QStringLiteral(": ") + m;
    });
    LogCapture() { lines.clear(); }
    ~LogCapture()
    {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previous);
    }
};

class LinkEngineTest : public ::testing::Test {
protected:
    FakeChip chip;
    FakeDevice device;
    LinkShared shared;
    RecordingObserver window;
    LinkEngine engine{chip, shared, window, [](int) {}};

    void SetUp() override
    {
        device.attach(chip);
        for (int i = 0; i < ConfigImage::Size; ++i)
            device.config.bytes[i] = Byte(i * 7 + i / 256);
        device.status.bytes[StatusBlock::AddressChime] = 0x83;
    }

    // Steps until pred holds; false after a bound, so a hang fails instead of looping.
    template <typename Pred>
    bool runUntil(Pred pred, int maxSteps = 2000)
    {
        for (int i = 0; i < maxSteps && !pred(); ++i)
            engine.step();
        return pred();
    }
    int refreshes() const { return window.count("statusDisplayRefresh"); }
    // Opens the chip and searches until the device is found and its status read that many times.
    void connect(int reads = 0)
    {
        ASSERT_TRUE(engine.openDevice());
        engine.startSearch();
        ASSERT_TRUE(runUntil([&] { return shared.connectionState == Connected && refreshes() >= reads; }, 10));
    }
    // Serves the transfer the flag asks for; the progress shown as blocks 7, 8, 119 and 120 were asked for.
    std::vector<int> transferProgress(std::atomic<bool>& request, int sendCode)
    {
        std::vector<int> p;
        request = true;
        EXPECT_TRUE(runUntil([&] {
            if (engine.linkOperation() == sendCode)
                p.push_back(shared.progressPosition);
            return !request;
        }));
        return p.size() == 128 ? std::vector<int>{p[7], p[8], p[119], p[120]} : p;
    }
    Names lastCalls(long n) const
    {
        return {window.calls.end() - std::min(n, long(window.calls.size())), window.calls.end()};
    }
    // The transfers the device was asked for, polls left out: command * 10, plus the page of a page write.
    std::vector<int> transfers()
    {
        std::vector<int> out;
        for (const auto& r : device.received())
            if (r.command != Frame::ReadStatus && r.command != Frame::Identify)
                out.push_back(r.command * 10 + (r.command == Frame::WriteStatus ? r.index : 0));
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }
};

} // namespace

TEST_F(LinkEngineTest, PollingReadsPage1FirstThenPage0SevenTimesAndSoOn)
{
    connect();
    EXPECT_TRUE(shared.justConnected);
    ASSERT_TRUE(runUntil([&] { return refreshes() == 17; }));
    std::vector<int> pages;
    for (const auto& r : device.received())
        if (r.command == Frame::ReadStatus)
            pages.push_back(r.index);
    EXPECT_EQ(pages, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(shared.progressPosition, 1) << "one step per read, modulo 16";
}

TEST_F(LinkEngineTest, MasterRequestsAreServedInOrderAndNoneIsLost)
{
    auto& asks = shared.requests;
    connect(2);
    bool asked = false;
    window.onCall = [&](const std::string& call) { // as the window does, inside a refresh
        if (call != "statusDisplayRefresh" || std::exchange(asked, true))
            return;
        shared.withStatus([](StatusBlock& s) {
            s.setMusicLevel(9);
            s.setSummerTimeOff(true);
        });
        for (auto* flag : {&asks.statusWriteRequest, &asks.clockWriteRequest, &asks.downloadRequest,
                           &asks.uploadRequest, &asks.generatorWriteRequest, &asks.legalFileWriteRequest})
            *flag = true;
    };
    ASSERT_TRUE(runUntil([&] { return asked && !asks.uploadRequest; }, 4000));
    // Page 0, then the clock (page 1) at the next opportunity, Download, Upload.
    EXPECT_EQ(transfers(), (std::vector<int>{20, 21, 40, 30}));
    EXPECT_EQ(device.status.musicLevel(), 9);
    EXPECT_TRUE(device.status.summerTimeOff());
    // A master never looks at the generator's requests.
    EXPECT_TRUE(asks.generatorWriteRequest && asks.legalFileWriteRequest);
}

TEST_F(LinkEngineTest, GeneratorRequestsAreServedInOrderAndMasterOnesIgnored)
{
    auto& asks = shared.requests;
    device.kind = FakeDevice::Generator;
    connect();
    for (int i = 0; i < LegalFileSize; ++i)
        window.legal.buffer[i] = Byte(255 - i);
    for (auto* flag :
         {&asks.uploadRequest, &asks.statusWriteRequest, &asks.legalFileWriteRequest, &asks.generatorWriteRequest})
        *flag = true;
    ASSERT_TRUE(runUntil([&] { return !asks.legalFileWriteRequest; }));
    EXPECT_EQ(transfers(), (std::vector<int>{20, 40}));
    EXPECT_EQ(device.legal, Bytes(window.legal.buffer.begin(), window.legal.buffer.begin() + LegalFileSize));
    EXPECT_TRUE(asks.uploadRequest && asks.statusWriteRequest);

    chip.setPresent(false); // gone: the window goes back to master mode
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 5));
    EXPECT_EQ(window.count("enterMasterMode"), 1);
}

TEST_F(LinkEngineTest, BusyRepliesRetryAndTheThirdFailsTheStep)
{
    connect();
    device.busyReplies = 2;
    ASSERT_TRUE(runUntil([&] { return refreshes() == 1; }, 10));

    device.busyReplies = 3;
    const size_t before = device.received().size();
    ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpIdSearch; }, 10));
    EXPECT_EQ(device.received().size() - before, 3u); // the same request three times

    // A device that stays busy fails every search at its third busy reply: ten searches in
    // sixty steps, where a count kept from the last failure would end each at its first.
    device.busyReplies = 1000;
    const int searches = window.count("repaintStatusBar");
    for (int i = 0; i < 60; ++i)
        engine.step();
    EXPECT_EQ(window.count("repaintStatusBar") - searches, 10);
    device.busyReplies = 0;
    EXPECT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));
}

TEST_F(LinkEngineTest, ABadReplySearchesAgainAndAVanishedDeviceSuspendsTheLink)
{
    connect(2);
    auto awaitStatusReply = [&] { return runUntil([&] { return engine.linkOperation() == OpStatusReadReply; }); };
    for (int row = 0; row < 6; ++row) {
        ASSERT_TRUE(awaitStatusReply());
        const Byte p = Byte(engine.statusPage());
        const Bytes wrong[] = {
            // one of each kind of failure the reply's check tells apart
            {},                                         // nothing arrived
            {0xC0, Frame::ReadStatus, p, 1, 2, 3},      // only part of the page arrived
            Bytes(2 * StatusBlock::PageSize + 5, 0xC0), // more than 2 x count + 4 bytes
            {0xC1, Frame::ReadStatus, p},               // wrong start byte
            reply(Frame::ReplyMaster, 0),
            reply(Frame::ReplyGenerator, 0),
        };
        chip.purge(); // instead of the device's answer
        chip.queueReply(wrong[row]);
        EXPECT_EQ(engine.step(), LinkEngine::Outcome::Continue) << row;
        EXPECT_EQ(engine.linkOperation(), OpIdSearch) << row;
        EXPECT_EQ(shared.connectionState, Searching) << row;
        if (wrong[row].empty()) // the page arrives late, into the search, and spoils no more than its reply
            chip.queueReply(reply(Frame::ReadStatus, p, device.status.page(p), StatusBlock::PageSize));
        ASSERT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));
    }

    // Unplugged in the middle of a frame: the chip is closed and the link waits.
    ASSERT_TRUE(awaitStatusReply());
    chip.setPresent(false);
    EXPECT_EQ(engine.step(), LinkEngine::Outcome::Suspend);
    EXPECT_FALSE(chip.isOpen());
    EXPECT_EQ(shared.connectionState, NotConnected);

    chip.setPresent(true); // the reconnect tick opens it and the search finds the master
    connect();
}

// An Upload hands the image over only once every block has arrived; a Download sends
// the image as it was when it started. Both show their progress and end the same way.
TEST_F(LinkEngineTest, TransfersTakeTheWholeImageAsItWasWhenTheyStarted)
{
    connect(2);
    EXPECT_EQ(transferProgress(shared.requests.uploadRequest, OpConfigRead), (std::vector<int>{0, 1, 14, 15}));
    EXPECT_EQ(window.image, device.config);
    EXPECT_EQ(window.chime, 0x83);
    EXPECT_EQ(window.count("disableMainWindow"), 1);
    EXPECT_EQ(lastCalls(5),
              (Names{"uploadCompleted", "enableMainWindow", "captionRefresh", "showActivity", "transferEnded"}));
    EXPECT_EQ(engine.linkOperation(), OpStatusRead);

    window.chime = 0;
    for (int i = 0; i < ConfigImage::Size; ++i)
        window.image.bytes[i] = Byte(i / 3);
    const ConfigImage sent = window.image;
    window.onCall = [&](const std::string& call) { // edited once the transfer has begun
        if (call == "showActivity" && window.count("copyConfigForDownload"))
            window.image.bytes.fill(0xEE);
    };
    EXPECT_EQ(transferProgress(shared.requests.downloadRequest, OpConfigWrite), (std::vector<int>{0, 1, 14, 15}));
    EXPECT_EQ(device.config, sent);
    EXPECT_EQ(window.chime, 0x83);
    EXPECT_EQ(lastCalls(5),
              (Names{"downloadCompleted", "enableMainWindow", "captionRefresh", "showActivity", "transferEnded"}));

    // A Download whose reply is missing at block 40 is abandoned at once, the window
    // enabled and told where it stopped.
    device.silentConfigWriteAt = 40;
    window.calls.clear();
    shared.requests.downloadRequest = true;
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == Searching; }));
    EXPECT_FALSE(shared.requests.downloadRequest || shared.transferRunning);
    EXPECT_EQ(window.count("enableMainWindow"), 1);
    const TransferReport& failed = window.reports.back();
    EXPECT_EQ(window.reports.size(), 3u); // one for each transfer
    EXPECT_TRUE(failed.kind == TransferKind::Download && failed.end == TransferEnd::Failed
                && failed.fault == TransferFault::NoReply && failed.block == 40);
}

// A failing Upload restarts three times from block 0, disabling the window again each
// time, then gives up and withdraws its request; a request withdrawn by the user ends
// the Upload at its next block; once the program is closing no transfer begins. The
// image never changes.
TEST_F(LinkEngineTest, UploadGivesUpAfterThreeRestartsStopsWhenWithdrawnAndNoneBeginsWhileClosing)
{
    connect(2);
    device.failConfigReadAt = 40;
    shared.requests.uploadRequest = true;
    ASSERT_TRUE(runUntil([&] { return !shared.requests.uploadRequest; }));
    EXPECT_EQ(window.count("disableMainWindow"), 4);
    EXPECT_EQ(window.count("enableMainWindow"), 4);
    std::vector<std::pair<TransferEnd, int>> ends;
    for (const TransferReport& r : window.reports)
        ends.emplace_back(r.end, r.restarts);
    EXPECT_EQ(ends, (std::vector<std::pair<TransferEnd, int>>{{TransferEnd::Restarting, 1},
                                                              {TransferEnd::Restarting, 2},
                                                              {TransferEnd::Restarting, 3},
                                                              {TransferEnd::Failed, 0}}));
    EXPECT_TRUE(window.reports.back().fault == TransferFault::BadReply && window.reports.back().block == 40);

    device.failConfigReadAt = -1;
    window.reports.clear();
    shared.requests.uploadRequest = true;
    ASSERT_TRUE(runUntil([&] { return engine.configBlockIndex() == 10; }));
    shared.requests.uploadRequest = false;
    ASSERT_TRUE(runUntil([&] { return !window.reports.empty(); }));
    EXPECT_EQ(window.reports.back().end, TransferEnd::Cancelled);
    EXPECT_FALSE(shared.transferRunning);
    EXPECT_EQ(window.count("uploadCompleted"), 0) << "the image is handed over only when complete";

    shared.closing = true;
    shared.requests.downloadRequest = true;
    const int seen = refreshes();
    ASSERT_TRUE(runUntil([&] { return refreshes() >= seen + 3; }));
    EXPECT_TRUE(shared.requests.downloadRequest);
    EXPECT_EQ(window.count("copyConfigForDownload"), 0);
    EXPECT_FALSE(shared.transferRunning);
}

TEST_F(LinkEngineTest, OpenFailureIsShownUntilTheDeviceOpens)
{
    const auto failure = [&] { return shared.openFailure.load(); };
    chip.setOpenFailure(OpenFailure::NoAccess);
    bool changed = false;
    EXPECT_FALSE(engine.openDevice(&changed));
    EXPECT_TRUE(changed && failure() == OpenFailure::NoAccess);
    EXPECT_FALSE(engine.openDevice(&changed));
    EXPECT_FALSE(changed);
    chip.setOpenFailure(OpenFailure::InUse); // the rule installed, another manager holds it
    EXPECT_FALSE(engine.openDevice(&changed));
    EXPECT_TRUE(changed && failure() == OpenFailure::InUse);
    EXPECT_FALSE(chip.isOpen());
    chip.setPresent(false); // unplugged: neither hint applies
    EXPECT_FALSE(engine.openDevice(&changed));
    EXPECT_TRUE(changed && failure() == OpenFailure::None);
    chip.setPresent(true);
    chip.setOpenFailure(OpenFailure::None);
    EXPECT_TRUE(engine.openDevice(&changed));
    EXPECT_TRUE(!changed && failure() == OpenFailure::None);
}

// The q7582.* categories: silent by default and on a healthy poll; switched on, they
// tell how the device came and went and why a step failed.
TEST_F(LinkEngineTest, DiagnosticsAreOffByDefaultAndQuietOnAHealthyPoll)
{
    LogCapture capture;
    QStringList& logged = LogCapture::lines;
    QTemporaryDir dir;
    const std::string unwritable = dir.filePath("missing/QS7582.ini").toStdString();
    const auto pollTwentyTimes = [&] {
        const int target = refreshes() + 20;
        ASSERT_TRUE(runUntil([&] { return refreshes() >= target; }));
    };
    connect();
    pollTwentyTimes();
    ASSERT_FALSE(replaceFile(unwritable, "x").ok);
    EXPECT_EQ(logged, QStringList()) << "off by default";

    QLoggingCategory::setFilterRules(QStringLiteral("q7582.*=true"));
    engine.closeDevice();
    connect();
    pollTwentyTimes();
    EXPECT_EQ(logged, (QStringList{"q7582.link: closed fake", "q7582.link: opened fake"}));

    logged.clear();
    chip.setPresent(false); // unplugged mid-poll
    EXPECT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 4));
    ASSERT_EQ(logged.size(), 2);
    EXPECT_TRUE(logged[0].contains(" failed: device error - chip: ")) << logged[0].toStdString();
    EXPECT_EQ(logged[1], "q7582.link: closed fake");

    logged.clear();
    chip.setPresent(true);
    chip.setOpenFailure(OpenFailure::InUse);
    EXPECT_FALSE(engine.openDevice());
    EXPECT_FALSE(engine.openDevice()); // the retries every 500 ms add nothing
    EXPECT_EQ(logged, QStringList{"q7582.link: cannot open fake - in use - in use"});

    logged.clear();
    ASSERT_FALSE(replaceFile(unwritable, "x").ok);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].startsWith("q7582.files: write failed: " + QString::fromStdString(unwritable)));
}
