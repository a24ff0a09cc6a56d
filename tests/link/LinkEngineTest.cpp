#include "link/LinkEngine.h"
#include "BothCables.h"
#include "LinkToSimulator.h"
#include "link/FramePort.h"
#include "link/FtdiChip.h"
#include "link/OpenFailure.h"
#include "model/FileIo.h"
#include "virtualusb/Journal.h"

#include <QDir>
#include <QLoggingCategory>
#include <cerrno>
#include <fcntl.h>
#include <ftdi.h>
#include <gmock/gmock.h>
#include <thread>
#include <tuple>
#include <unistd.h>

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;
using q7582::simtest::requestFrame;
using simtest::Cable;
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
    // The transfers the device was asked for, polls left out: each status page written, and
    // each configuration read or write (its blocks from block 0 on, or a change of command).
    std::vector<std::string> transfers()
    {
        std::vector<std::string> out;
        for (const auto& r : device.received()) {
            const std::string name = r.command == Frame::WriteStatus   ? "status page " + std::to_string(r.index)
                                     : r.command == Frame::ReadConfig  ? "config read"
                                     : r.command == Frame::WriteConfig ? "config write"
                                                                       : std::string();
            if (!name.empty() && (r.command == Frame::WriteStatus || r.index == 0 || out.empty() || out.back() != name))
                out.push_back(name);
        }
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
    EXPECT_EQ(transfers(), (std::vector<std::string>{"status page 0", "status page 1", "config write", "config read"}));
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
    EXPECT_EQ(transfers(), (std::vector<std::string>{"status page 0", "config write"}));
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
    EXPECT_EQ(std::tuple(window.image, window.chime), std::tuple(device.config, 0x83));
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
    EXPECT_EQ(std::tuple(device.config, window.chime), std::tuple(sent, 0x83));
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
    EXPECT_EQ(std::pair(window.reports.back().end, bool(shared.transferRunning)), std::pair(Cancelled, false));
    EXPECT_EQ(window.count("uploadCompleted"), 0) << "the image is handed over only when complete";

    shared.closing = true;
    shared.requests.downloadRequest = true;
    const int seen = refreshes();
    ASSERT_TRUE(runUntil([&] { return refreshes() >= seen + 3; }));
    EXPECT_EQ(std::pair(bool(shared.requests.downloadRequest), window.count("copyConfigForDownload")),
              std::pair(true, 0));
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
// attached, the master's address, what the PC wrote and the unplugging; it goes on when a
// generator, then another master, comes back on the cable; nothing once detached.
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

    tap.events.clear();
    tap.reads.clear();
    device.kind = FakeDevice::Generator;
    device.generator.data()[0] = 0x2A;
    chip.setPresent(true);
    connect();
    ASSERT_TRUE(runUntil([&] { return tap.reads.size() == 3; }));
    for (const auto& [stream, bytes] : tap.reads) {
        EXPECT_EQ(std::tuple(stream, bytes.front()), std::tuple(TapStream::Generator, 0x2A));
    }
    chip.setPresent(false);
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 10));
    device.kind = FakeDevice::Master;
    device.status.bytes[StatusBlock::AddressChime] = 0x85;
    chip.setPresent(true);
    connect();
    ASSERT_TRUE(runUntil([&] { return tap.events.size() == 6; }, 10));
    EXPECT_EQ(tap.events, (std::vector<std::pair<TapEvent, std::int64_t>>{{IdSearch, 0},
                                                                          {ConnectedGenerator, 0},
                                                                          {Unplugged, 0},
                                                                          {IdSearch, 0},
                                                                          {ConnectedMaster, 0},
                                                                          {MasterAddress, 5}}));

    shared.tap.attach(nullptr);
    const auto heard = tap.reads.size();
    chip.setPresent(false);
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 10));
    chip.setPresent(true);
    connect(2);
    EXPECT_EQ(tap.reads.size(), heard);
}

TEST(FrameCodec, EscapesIndexAndPayloadButNeverTheCommandAndReceiveFrameGivesTheResultOfEveryReplyShape)
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

    EXPECT_EQ(requestFrame(0xC0, 0xC0, {}), (Bytes{0xC0, 0xC0, 0xB5, 0x00}));
    EXPECT_EQ(requestFrame(4, 2, {0x11, 0xC0, 0xB5, 0x00, 0x01}),
              (Bytes{0xC0, 4, 2, 0x11, 0xB5, 0x00, 0xB5, 0x01, 0x00, 0x01}));
    // Every special byte costs one more byte on the wire.
    EXPECT_EQ(requestFrame(4, 0xB5, Bytes(256, 0xC0)).size(), 4u + 2 * 256u);
}

TEST(OpenFailure, EveryPathLibftdiReportsDeniedAccessByIsNoAccessAndTheDeviceNodesPathAndPermissions)
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

// The link as the program runs it (worker thread, tty backend or libftdi on the virtual
// FT232R) against the simulator, whose dump files show what reached the device. A
// Download and the generator through this path are the main window's tests with the
// simulator. On libftdi alone: what the manager asks of the chip, and what it makes of
// what the real libftdi returns for a refused open, a claimed interface, a stalled read
// and other FTDI devices on the bus. And the worker alone on a fake chip: shutdown is
// prompt in every state.
namespace {

QByteArray bytesOf(const Byte* data, int size) { return QByteArray(reinterpret_cast<const char*>(data), size); }

class EndToEnd : public ::testing::TestWithParam<Cable> {};

// The worker on a fake chip, the device behind it.
struct RunningLink {
    FakeDevice* device = nullptr; // the link's
    LinkShared shared;
    RecordingObserver window;
    std::unique_ptr<LinkThread> link;

    RunningLink(double pacing, bool present, FakeDevice::Kind kind = FakeDevice::Master)
    {
        auto owned = std::make_unique<FakeDevice>();
        device = owned.get();
        device->kind = kind;
        device->setPresent(present);
        link = std::make_unique<LinkThread>(shared, window, std::move(owned), nullptr, pacing);
        link->setObjectName("LinkThread"); // found by it in /proc
        link->startLink();
    }
    // True once the device was sent a request of that command.
    bool sent(Byte command)
    {
        const auto r = device->received();
        return std::any_of(r.begin(), r.end(), [&](const Frame::Request& q) { return q.command == command; });
    }
};

// The scheduler state of the worker thread, found by its name: 'S' while it waits.
char workerState()
{
    for (const QString& tid : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm("/proc/self/task/" + tid + "/comm"), stat("/proc/self/task/" + tid + "/stat");
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "LinkThread"
            && stat.open(QIODevice::ReadOnly)) {
            const QByteArray line = stat.readAll();
            return line.mid(line.lastIndexOf(')') + 2, 1).at(0);
        }
    }
    return '?';
}

} // namespace

// What the polls read is the master's status; an unplug mid-Upload keeps the worker,
// which waits for the device and, once it is back, starts the Upload over and brings
// the master's memory. The window hears of it all on the main thread. A second manager
// is then told the device is in use (the tty is locked, or the USB interface claimed)
// and keeps trying while the first polls on undisturbed, until the first lets go.
TEST_P(EndToEnd, PollsTheMasterAnUnplugRestartsTheUploadAndASecondManagerWaitsItsTurn)
{
    // At the device's own pacing: a shorter pause after a request can find the reply
    // incomplete on a loaded machine (sanitizer builds), which fails the transfer.
    LinkToSimulator run({}, 1.0, GetParam());
    std::vector<ConnectionState> states; // at every repaint of the status bar
    run.window.onCall = [&](const std::string& call) {
        if (call == "repaintStatusBar")
            states.push_back(run.shared.connectionState);
    };
    ASSERT_TRUE(run.start()) << run.sim.problem();
    // Both pages polled; the simulator's clock ticks between a poll and the dump: a later poll catches up.
    EXPECT_TRUE(spinUntil([&] {
        return run.shared.withStatus(
            [&](const StatusBlock& s) { return bytesOf(s.data(), s.Size) == run.sim.dump("status.bin"); });
    }));

    run.shared.requests.uploadRequest = true;
    ASSERT_TRUE(spinUntil([&] { return run.shared.progressPosition >= 2; })); // 16 blocks in
    ASSERT_TRUE(run.sim.control("unplug 0.5"));
    ASSERT_TRUE(
        spinUntil([&] { return run.shared.connectionState == NotConnected && run.link->reconnectTimerActive(); }));
    // The worker waits; once the master answers again the Upload starts over from block 0 and completes.
    ASSERT_TRUE(run.waitCalls("uploadCompleted", 1, 30000));
    EXPECT_EQ(bytesOf(run.window.image.data(), ConfigImage::Size), run.sim.dump("config.bin"));
    EXPECT_EQ(states, (std::vector{Searching, Connected, NotConnected, Searching, Connected}));
    EXPECT_THAT(run.window.threads, ::testing::Each(QThread::currentThread())) << "the window runs on the main thread";

    LinkShared shared;
    RecordingObserver window;
    LinkThread second(shared, window, makeChipFromEnvironment());
    second.startLink();
    // A second and more of retries: the first polls on, the second never gets in.
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 8));
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::InUse);
    EXPECT_EQ(window.count("statusDisplayRefresh"), 0);
    run.link->shutdown(); // the second takes the device at its next retry
    EXPECT_TRUE(spinUntil([&] { return shared.connectionState == Connected; }, 5000));
}

INSTANTIATE_TEST_SUITE_P(Cable, EndToEnd, simtest::BothCables, simtest::cableTestName);

// libftdi's open resets the chip and sets 9600 baud; the link then resets, purges both
// ways and sets the latency timer to 1 ms. Nothing else: no data format, no flow control.
// A read the chip never answers ends at the link's 300 ms timeout: the Upload under way
// starts again and completes.
TEST(FtdiChip, OpensWithTheRequestsTheLinkNeedsAndAStalledReadRestartsTheUpload)
{
    vusb::takeRequests();
    LinkToSimulator run({}, 1.0, Cable::Usb);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 2));
    EXPECT_EQ(vusb::takeRequests(),
              (std::vector<std::string>{"Q7582M0: reset", "Q7582M0: baud 9600", "Q7582M0: reset",
                                        "Q7582M0: purge output", "Q7582M0: purge input", "Q7582M0: latency 1"}));

    run.shared.requests.uploadRequest = true;
    ASSERT_TRUE(spinUntil([&] { return run.shared.progressPosition >= 1; }));
    ASSERT_TRUE(run.sim.control("stall 2"));
    ASSERT_TRUE(run.waitCalls("uploadCompleted", 1, 30000));
    EXPECT_EQ(bytesOf(run.window.image.data(), ConfigImage::Size), run.sim.dump("config.bin"));
    EXPECT_EQ(run.window.reports.at(0).end, TransferEnd::Restarting) << "the stalled attempt was reported";

    vusb::takeRequests();
    run.link->shutdown();
    EXPECT_EQ(vusb::takeRequests(), std::vector<std::string>{}) << "closing sends nothing";
}

// The hint in the status bar comes from what libftdi really returns: -4 with EACCES
// for a node we may not open, -5 for an interface another program has claimed.
TEST(FtdiChip, ARefusedOpenIsNoAccessAndAClaimedInterfaceInUseUntilTheyClear)
{
    for (const auto& [fault, expected] :
         {std::pair{"refuse-open", OpenFailure::NoAccess}, {"claim-busy", OpenFailure::InUse}}) {
        SCOPED_TRACE(fault);
        LinkToSimulator run({}, 1.0, Cable::Usb);
        ASSERT_TRUE(run.sim.waitReady()) << run.sim.problem();
        ASSERT_TRUE(run.sim.control((std::string(fault) + " on").c_str()));
        run.startLink();
        EXPECT_EQ(run.shared.openFailure.load(), expected);
        FtdiChip chip; // the chip alone keeps libftdi's words for the link's log
        EXPECT_LT(chip.open(), 0);
        EXPECT_FALSE(chip.lastError().empty());
        ASSERT_TRUE(run.sim.control((std::string(fault) + " off").c_str()));
        EXPECT_TRUE(run.waitState(Connected));
    }
}

// Other FTDI devices on the bus, listed before the master once it is plugged in again:
// one of another kind with nothing behind it, and an FT232R another program holds. The
// manager gives up the silent one after a few searches, passes the held one by, and
// finds the master.
TEST(FtdiChip, FindsTheMasterBehindOtherFtdiDevices)
{
    LinkToSimulator run({}, 1.0, Cable::Usb);
    ASSERT_TRUE(run.sim.waitReady()) << run.sim.problem();
    for (const char* line : {"add-device 0403:6010", "add-device 0403:6001 FT000002", "unplug 0.2"})
        ASSERT_TRUE(run.sim.control(line));
    ASSERT_TRUE(run.sim.waitReady());
    run.sim.useFromEnvironment();
    ftdi_context* otherProgram = ftdi_new();
    ASSERT_EQ(ftdi_usb_open_desc(otherProgram, 0x0403, 0x6001, nullptr, "FT000002"), 0);

    run.startLink();
    EXPECT_TRUE(run.waitState(Connected, 10000)) << "only the master answers the search";
    run.link->shutdown();
    ftdi_free(otherProgram);
}

// Prompt: it cuts the pause it finds the worker in, each case paced so that the pause is
// at least twice the bound, which leaves a loaded machine and sanitizer builds room.
TEST(WorkerThread, ShutdownIsPromptInEveryState)
{
    constexpr int PromptMs = 1000;
    {
        RunningLink noDevice(1.0, false); // waiting for the reconnect timer: no pause to cut
        EXPECT_TRUE(noDevice.link->reconnectTimerActive());
        EXPECT_LT(shutdownMs(*noDevice.link), PromptMs);
        EXPECT_TRUE(noDevice.link->isFinished());
    }
    {
        RunningLink searching(4.0, true); // 2000 ms after each search request
        ASSERT_TRUE(spinUntil([&] { return searching.sent(Frame::Identify); }));
        EXPECT_LT(shutdownMs(*searching.link), PromptMs);
    }
    {
        RunningLink uploading(0.5, true); // the rest of the Upload: about 3.5 s
        uploading.shared.requests.uploadRequest = true;
        ASSERT_TRUE(spinUntil([&] { return uploading.shared.progressPosition >= 1; })); // 8 blocks in
        EXPECT_LT(shutdownMs(*uploading.link), PromptMs);
        EXPECT_EQ(uploading.window.count("uploadCompleted"), 0);
        EXPECT_FALSE(uploading.device->isOpen());
    }
    {
        RunningLink polling(0.0, true);
        ASSERT_TRUE(spinUntil([&] { return polling.window.count("statusDisplayRefresh") >= 1; }));
        // The main thread is busy elsewhere: the worker comes to wait in its next
        // synchronised call (at this pacing nothing else makes it wait).
        const size_t callsBefore = polling.window.calls.size();
        QDeadlineTimer deadline(5000);
        while (workerState() != 'S' && !deadline.hasExpired())
            QThread::msleep(1);
        ASSERT_EQ(workerState(), 'S') << "the worker never waited for the main thread";
        EXPECT_LT(shutdownMs(*polling.link), PromptMs);
        EXPECT_EQ(polling.window.calls.size(), callsBefore) << "nothing of the window runs once closing began";
    }
    { // the longest pause, after the summer-time table: 2000 ms here
        RunningLink writingTable(2.0, true, FakeDevice::Generator);
        writingTable.shared.requests.legalFileWriteRequest = true;
        ASSERT_TRUE(spinUntil([&] { return writingTable.sent(Frame::WriteConfig); }, 15000));
        EXPECT_LT(shutdownMs(*writingTable.link), PromptMs);
    }
}
