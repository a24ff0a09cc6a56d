#include "link/LinkEngine.h"
#include "FakeDevice.h"
#include "model/FileIo.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

using Names = std::vector<std::string>;

// Collects "category: message" while it lives; the rules switched on end with it.
// Main thread only: the engine runs here.
struct LogCapture {
    static inline std::vector<std::string> lines;
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& c, const QString& m) {
        lines.push_back(c.category + (": " + m.toStdString()));
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
    FakeDevice device;
    FakeChip& chip = device;
    LinkShared shared;
    RecordingObserver window;
    LinkEngine engine{chip, shared, window, [](int) {}};

    void SetUp() override
    {
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

// Polling reads page 1 first, then page 0 seven times, and so on. The master's requests,
// raised inside a refresh as the window does, are served in order and none is lost.
TEST_F(LinkEngineTest, PollingReadsPage1FirstThenPage0SevenTimesAndMasterRequestsAreServedInOrder)
{
    auto& asks = shared.requests;
    connect();
    EXPECT_TRUE(shared.justConnected);
    ASSERT_TRUE(runUntil([&] { return refreshes() == 17; }));
    std::vector<int> pages;
    for (const auto& r : device.received())
        if (r.command == Frame::ReadStatus)
            pages.push_back(r.index);
    EXPECT_EQ(pages, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(shared.progressPosition, 1) << "one step per read, modulo 16";

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
    EXPECT_EQ(std::pair(int(device.status.musicLevel()), device.status.summerTimeOff()), std::pair(9, true));
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
    EXPECT_TRUE(runUntil([&] { return window.count("enterMasterMode") == 1; }, 5));
}

// A busy reply is asked again and the third fails the step; a bad reply searches again;
// a vanished device suspends the link.
TEST_F(LinkEngineTest, BusyRepliesRetryABadReplySearchesAgainAndAVanishedDeviceSuspendsTheLink)
{
    connect();
    device.busyReplies = 2;
    ASSERT_TRUE(runUntil([&] { return refreshes() == 1; }, 10));

    device.busyReplies = 3; // the third fails the step
    ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpIdSearch; }, 10));

    // A device that stays busy fails every search at its third busy reply: ten searches in
    // sixty steps, where a count kept from the last failure would end each at its first.
    device.busyReplies = 1000;
    const int searches = window.count("repaintStatusBar");
    for (int i = 0; i < 60; ++i)
        engine.step();
    EXPECT_EQ(window.count("repaintStatusBar") - searches, 10);
    device.busyReplies = 0;
    EXPECT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));

    auto awaitStatusReply = [&] { return runUntil([&] { return engine.linkOperation() == OpStatusReadReply; }); };
    ASSERT_TRUE(awaitStatusReply());
    const Byte p = Byte(engine.statusPage());
    chip.purge(); // nothing arrived; every other shape of a bad reply is told apart by the frame port
    EXPECT_EQ(engine.step(), LinkEngine::Outcome::Continue);
    EXPECT_EQ(engine.linkOperation(), OpIdSearch);
    // The page arrives late, into the search, and spoils no more than its reply.
    chip.queueReply(reply(Frame::ReadStatus, p, device.status.page(p), StatusBlock::PageSize));
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));

    // Unplugged in the middle of a frame: the chip is closed and the link waits.
    ASSERT_TRUE(awaitStatusReply());
    chip.setPresent(false);
    EXPECT_EQ(engine.step(), LinkEngine::Outcome::Suspend);
    EXPECT_TRUE(!chip.isOpen() && shared.connectionState == NotConnected);

    chip.setPresent(true); // the reconnect tick opens it and the search finds the master
    connect();
}

// An Upload hands the image over only once every block has arrived; a Download sends
// the image as it was when it started. Both show their progress and end the same way.
// A failing Upload restarts three times from block 0, disabling the window again each
// time, then gives up and withdraws its request; a request withdrawn by the user ends
// the Upload at its next block; once the program is closing no transfer begins. The
// image never changes.
TEST_F(LinkEngineTest, TransfersTakeTheWholeImageAsItWasWhenTheyStartedAndAFailingUploadGivesUp)
{
    connect(2);
    EXPECT_EQ(transferProgress(shared.requests.uploadRequest, OpConfigRead), (std::vector<int>{0, 1, 14, 15}));
    EXPECT_EQ(window.image, device.config);
    EXPECT_EQ(window.chime, 0x83);
    EXPECT_EQ(lastCalls(5),
              (Names{"uploadCompleted", "enableMainWindow", "captionRefresh", "showActivity", "transferEnded"}));

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
    const TransferReport& failed = window.reports.at(2); // one for each transfer
    EXPECT_TRUE(failed.kind == TransferKind::Download && failed.end == TransferEnd::Failed
                && failed.fault == TransferFault::NoReply && failed.block == 40);

    window.calls.clear();
    window.reports.clear();
    device.failConfigReadAt = 40;
    shared.requests.uploadRequest = true;
    ASSERT_TRUE(runUntil([&] { return !shared.requests.uploadRequest; }));
    EXPECT_EQ(std::pair(window.count("disableMainWindow"), window.count("enableMainWindow")), std::pair(4, 4));
    using enum TransferEnd;
    std::vector<std::pair<TransferEnd, int>> ends;
    for (const TransferReport& r : window.reports)
        ends.emplace_back(r.end, r.restarts);
    EXPECT_EQ(ends, (std::vector<std::pair<TransferEnd, int>>{
                        {Restarting, 1}, {Restarting, 2}, {Restarting, 3}, {Failed, 0}}));
    EXPECT_TRUE(window.reports.back().fault == TransferFault::BadReply && window.reports.back().block == 40);

    device.failConfigReadAt = -1;
    window.reports.clear();
    shared.requests.uploadRequest = true;
    ASSERT_TRUE(runUntil([&] { return engine.configBlockIndex() == 10; }));
    shared.requests.uploadRequest = false;
    ASSERT_TRUE(runUntil([&] { return !window.reports.empty(); }));
    EXPECT_EQ(window.reports.back().end, Cancelled);
    EXPECT_FALSE(shared.transferRunning);
    EXPECT_EQ(window.count("uploadCompleted"), 0) << "the image is handed over only when complete";

    shared.closing = true;
    shared.requests.downloadRequest = true;
    const int seen = refreshes();
    ASSERT_TRUE(runUntil([&] { return refreshes() >= seen + 3; }));
    EXPECT_TRUE(shared.requests.downloadRequest);
    EXPECT_EQ(window.count("copyConfigForDownload"), 0);
}

// The q7582.* categories: silent by default and on a healthy poll; switched on, they
// tell how the device came and went and why a step failed. An open failure is shown
// until the device opens, and logged when it changes.
TEST_F(LinkEngineTest, OpenFailureIsShownUntilTheDeviceOpensAndDiagnosticsAreOffByDefault)
{
    LogCapture capture;
    QTemporaryDir dir;
    const std::string unwritable = dir.filePath("missing/QS7582.ini").toStdString();
    connect();
    ASSERT_TRUE(runUntil([&] { return refreshes() >= 20; }));
    ASSERT_FALSE(replaceFile(unwritable, "x").ok);
    EXPECT_THAT(LogCapture::lines, ::testing::IsEmpty()) << "off by default";

    QLoggingCategory::setFilterRules(QStringLiteral("q7582.*=true"));
    engine.closeDevice();
    connect();
    ASSERT_TRUE(runUntil([&] { return refreshes() >= 40; })); // a healthy poll says nothing
    chip.setPresent(false);                                   // unplugged mid-poll
    EXPECT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 4));
    // The rule missing, tried again 500 ms later, installed while another manager holds
    // the device, then unplugged: neither hint applies.
    for (const auto& [present, failure] : {std::pair{true, OpenFailure::NoAccess},
                                           {true, OpenFailure::NoAccess},
                                           {true, OpenFailure::InUse},
                                           {false, OpenFailure::InUse}}) {
        chip.setPresent(present);
        chip.setOpenFailure(failure);
        EXPECT_FALSE(engine.openDevice());
        EXPECT_EQ(shared.openFailure.load(), present ? failure : OpenFailure::None);
    }
    chip.setPresent(true);
    chip.setOpenFailure(OpenFailure::None);
    bool changed = true;
    EXPECT_TRUE(engine.openDevice(&changed));
    EXPECT_TRUE(!changed && shared.openFailure.load() == OpenFailure::None);
    ASSERT_FALSE(replaceFile(unwritable, "x").ok);
    EXPECT_THAT(LogCapture::lines,
                ::testing::ElementsAre(
                    "q7582.link: closed fake", "q7582.link: opened fake", HasSubstr(" failed: device error - chip: "),
                    "q7582.link: closed fake", "q7582.link: cannot open fake - no access - no access",
                    "q7582.link: cannot open fake - in use - in use", "q7582.link: cannot open fake - none - no device",
                    "q7582.link: opened fake", StartsWith("q7582.files: write failed: " + unwritable)));
}

// The recorder hears every page read with its bytes, where the connection stands when it is
// attached, the master's address, what the PC wrote and the unplugging; nothing once detached.
TEST_F(LinkEngineTest, AnAttachedTapHearsEveryReadAndEveryChangeOfTheConnection)
{
    struct Tap : StatusTap {
        std::vector<std::pair<TapStream, Bytes>> reads;
        std::vector<std::pair<TapEvent, std::int64_t>> events;
        void read(TapStream s, const Byte* r, std::int64_t) override { reads.emplace_back(s, Bytes(r, r + 64)); }
        void event(TapEvent k, std::int64_t v, const std::string&, std::int64_t) override { events.emplace_back(k, v); }
    } tap;
    connect(2);
    shared.tap.attach(&tap);
    device.status.bytes[StatusBlock::SpeechLevel] = 7;
    ASSERT_TRUE(runUntil([&] { return tap.reads.size() == 9; }));
    shared.requests.statusWriteRequest = true;
    ASSERT_TRUE(runUntil([&] { return !shared.requests.statusWriteRequest; }));
    chip.setPresent(false);
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 10));
    using enum TapEvent;
    EXPECT_EQ(tap.events, (std::vector<std::pair<TapEvent, std::int64_t>>{
                              {ConnectedMaster, 0}, {MasterAddress, 3}, {LiveChange, 0}, {Unplugged, 0}}));
    int page1 = 0;
    for (const auto& [stream, bytes] : tap.reads) {
        page1 += stream == TapStream::MasterPage1;
        EXPECT_EQ(bytes, Bytes(device.status.page(int(stream)), device.status.page(int(stream)) + 64));
    }
    EXPECT_EQ(page1, 1);
    shared.tap.attach(nullptr);
    const auto heard = tap.reads.size();
    chip.setPresent(true);
    connect(2);
    EXPECT_EQ(tap.reads.size(), heard);
}
