#include "FakeDevice.h"
#include "RecordingObserver.h"
#include "link/LinkEngine.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;

namespace {

class LinkEngineTest : public ::testing::Test {
protected:
    FakeChip chip;
    FakeDevice device;
    LinkShared shared;
    RecordingObserver window;
    std::vector<int> sleeps;
    LinkEngine engine{chip, shared, window, [this](int ms) { sleeps.push_back(ms); }};

    void SetUp() override
    {
        device.attach(chip);
        for (int i = 0; i < ConfigImage::Size; ++i)
            device.config.bytes[i] = Byte(i * 7 + i / 256);
        device.status.bytes[StatusBlock::AddressChime] = 0x83;
    }

    void open()
    {
        ASSERT_TRUE(engine.OpenDevice());
        engine.startSearch();
    }

    // Steps until pred holds; false after a bound, so a hang fails instead of looping.
    template <typename Pred>
    bool runUntil(Pred pred, int maxSteps = 2000)
    {
        for (int i = 0; i < maxSteps; ++i) {
            if (pred())
                return true;
            engine.step();
        }
        return pred();
    }

    void connect()
    {
        open();
        ASSERT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));
    }

    // Connected to a master whose two pages have been read once.
    void connectAndPoll()
    {
        connect();
        const int refreshes = window.count("statusDisplayRefresh");
        ASSERT_TRUE(runUntil([&] { return window.count("statusDisplayRefresh") == refreshes + 2; }, 10));
    }

    // Commands the device received since the last call.
    std::vector<Frame::Request> drained()
    {
        auto all = device.received();
        std::vector<Frame::Request> fresh(all.begin() + seen_, all.end());
        seen_ = all.size();
        return fresh;
    }

    size_t seen_ = 0;
};

} // namespace

TEST_F(LinkEngineTest, PollingReadsPage1FirstThenPage0SevenTimesAndSoOn)
{
    connect();
    EXPECT_TRUE(shared.justConnected);
    EXPECT_EQ(shared.activityIndex, ActivityStatusUL);
    device.status.bytes[0x05] = 0x11;
    device.status.bytes[0x70] = 0x22;

    std::vector<int> pages;
    drained();
    ASSERT_TRUE(runUntil([&] { return window.count("statusDisplayRefresh") == 17; }));
    for (const auto& r : drained())
        if (r.command == Frame::ReadStatus)
            pages.push_back(r.index);
    EXPECT_EQ(pages, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(shared.progressPosition, 17 % 16);
    shared.withStatus([](const StatusBlock& s) {
        EXPECT_EQ(s.bytes[0x05], 0x11);
        EXPECT_EQ(s.bytes[0x70], 0x22);
    });
    // 100 ms after each request, 2 ms after each reply.
    EXPECT_EQ(sleeps.back(), 2);
    EXPECT_EQ(sleeps[sleeps.size() - 2], 100);
}

TEST_F(LinkEngineTest, MasterRequestsAreServedInOrderAndNoneIsLost)
{
    connectAndPoll();
    window.image = device.config;
    window.onNextRefresh = [this] {
        shared.withStatus([](StatusBlock& s) {
            s.setMusicLevel(9);
            s.setSummerTimeOff(true);
        });
        for (auto* flag : {&shared.requests.StatusWriteRequest, &shared.requests.ClockWriteRequest,
                           &shared.requests.DownloadRequest, &shared.requests.UploadRequest,
                           &shared.requests.GeneratorWriteRequest, &shared.requests.LegalFileWriteRequest})
            *flag = true;
    };

    ASSERT_TRUE(runUntil([&] { return !window.onNextRefresh && !shared.requests.UploadRequest; }, 4000));
    std::vector<int> writes; // each transfer's first frame, in order
    for (const auto& r : drained()) {
        const int code = r.command * 10 + (r.command == Frame::WriteStatus ? r.index : 0);
        if (r.command != Frame::ReadStatus && r.command != Frame::Identify && (writes.empty() || writes.back() != code))
            writes.push_back(code);
    }
    // Page 0, then the clock (page 1) at the next opportunity, Download, Upload.
    EXPECT_EQ(writes, (std::vector<int>{20, 21, 40, 30}));
    EXPECT_EQ(device.status.musicLevel(), 9);
    EXPECT_TRUE(device.status.summerTimeOff());
    EXPECT_FALSE(shared.requests.StatusWriteRequest || shared.requests.ClockWriteRequest ||
                 shared.requests.DownloadRequest);
    // Generator-side requests are not looked at by a master.
    EXPECT_TRUE(shared.requests.GeneratorWriteRequest && shared.requests.LegalFileWriteRequest);
    EXPECT_EQ(window.count("copyLegalFileImage"), 0);
}

TEST_F(LinkEngineTest, GeneratorRequestsAreServedInOrderAndMasterOnesIgnored)
{
    device.kind = FakeDevice::Generator;
    device.generator.bytes[GeneratorStatus::MediaFlags] = 0x03;
    connect();
    EXPECT_EQ(window.count("enterGeneratorMode"), 1);
    EXPECT_EQ(shared.activityIndex, ActivityGeneratorUL);
    for (int i = 0; i < LegalFileSize; ++i)
        window.legal.buffer[i] = Byte(255 - i);
    shared.requests.UploadRequest = true;
    shared.requests.StatusWriteRequest = true;
    shared.requests.LegalFileWriteRequest = true;
    shared.requests.GeneratorWriteRequest = true;

    ASSERT_TRUE(runUntil([&] { return !shared.requests.LegalFileWriteRequest; }));
    EXPECT_FALSE(shared.requests.GeneratorWriteRequest);
    std::vector<int> commands;
    for (const auto& r : drained())
        if (r.command != Frame::ReadStatus && r.command != Frame::Identify)
            commands.push_back(r.command);
    EXPECT_EQ(commands, (std::vector<int>{Frame::WriteStatus, Frame::WriteConfig}));
    EXPECT_EQ(device.legal, Bytes(window.legal.buffer.begin(), window.legal.buffer.begin() + LegalFileSize));
    EXPECT_TRUE(shared.requests.UploadRequest && shared.requests.StatusWriteRequest);
    shared.withGenerator([](const GeneratorStatus& g) { EXPECT_TRUE(g.folderFound()); });
    EXPECT_GE(window.count("generatorPanelRefresh"), 2);
}

TEST_F(LinkEngineTest, BusyRepliesRetryAndTheThirdFailsTheStep)
{
    connect();
    device.busyReplies = 2;
    ASSERT_TRUE(runUntil([&] { return window.count("statusDisplayRefresh") == 1; }, 10));
    EXPECT_EQ(engine.busyRetryCount(), 0);

    device.busyReplies = 3;
    drained();
    ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpIdSearch; }, 10));
    EXPECT_EQ(drained().size(), 3u); // the same request three times
    EXPECT_EQ(shared.connectionState, Searching);
    EXPECT_EQ(shared.activityIndex, ActivityIdSearch);

    // A device that stays busy fails every search at its third busy reply.
    device.busyReplies = 1000;
    drained();
    for (int i = 0; i < 60; ++i)
        engine.step();
    EXPECT_EQ(shared.connectionState, Searching);
    EXPECT_EQ(drained().size(), 30u);
    device.busyReplies = 0;
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));
}

TEST_F(LinkEngineTest, FailureSearchesAgainOrSuspendsWhenTheDeviceHasGone)
{
    connect();
    ASSERT_TRUE(runUntil([&] { return window.count("statusDisplayRefresh") == 1; }));

    // A master's answer to a status read, a silent device, a garbled reply: search again.
    for (const Bytes& wrong : {reply(Frame::ReplyMaster, 0), Bytes{}, Bytes{0xC0, 1, 0, 0xB5, 0x09}}) {
        ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpStatusReadReply; }));
        chip.purge(); // instead of the device's answer
        chip.queueReply(wrong);
        EXPECT_EQ(engine.step(), LinkEngine::Outcome::Continue);
        EXPECT_EQ(engine.linkOperation(), OpIdSearch);
        EXPECT_EQ(shared.connectionState, Searching);
        ASSERT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));
    }

    // Unplugged in the middle of a frame: the chip is closed and the link waits.
    ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpStatusReadReply; }));
    chip.setPresent(false);
    EXPECT_EQ(engine.step(), LinkEngine::Outcome::Suspend);
    EXPECT_FALSE(chip.isOpen());
    EXPECT_EQ(shared.connectionState, NotConnected);
    EXPECT_EQ(shared.activityIndex, ActivityNone);
    EXPECT_EQ(shared.progressPosition, 0);
    EXPECT_FALSE(engine.OpenDevice());

    // Back again: the reconnect tick opens it and the search finds the master.
    chip.setPresent(true);
    connect();
    EXPECT_EQ(chip.openCount(), 2);
}

TEST_F(LinkEngineTest, GeneratorGoneReturnsTheWindowToMasterMode)
{
    device.kind = FakeDevice::Generator;
    connect();
    chip.setPresent(false);
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 5));
    EXPECT_EQ(window.count("enterMasterMode"), 1);
}

TEST_F(LinkEngineTest, UploadHandsOverAllBlocksOnlyAtTheEnd)
{
    connectAndPoll();
    window.image.bytes.fill(0x5A);
    window.provenance.origin = ConfigOrigin::OriginFile;
    window.provenance.modified = true;
    shared.requests.UploadRequest = true;

    std::vector<int> progress; // at each block acknowledged
    ASSERT_TRUE(runUntil([&] {
        if (engine.linkOperation() == OpConfigRead)
            progress.push_back(shared.progressPosition);
        return !shared.requests.UploadRequest;
    }));
    ASSERT_EQ(progress.size(), 128u);
    EXPECT_EQ(progress[0], 0);
    EXPECT_EQ(progress[7], 0);
    EXPECT_EQ(progress[8], 1);
    EXPECT_EQ(progress[120], 15);
    EXPECT_EQ(progress[127], 15);
    EXPECT_EQ(shared.progressPosition, 0);
    EXPECT_EQ(shared.activityIndex, ActivityStatusUL);
    EXPECT_EQ(engine.linkOperation(), OpStatusRead);

    EXPECT_EQ(window.image, device.config);
    EXPECT_EQ(window.provenance.origin, ConfigOrigin::OriginMaster);
    EXPECT_EQ(window.provenance.uploadedMasterByte, 0x83);
    EXPECT_FALSE(window.provenance.modified);
    const auto end = std::find(window.calls.begin(), window.calls.end(), "uploadCompleted");
    ASSERT_NE(end, window.calls.end());
    EXPECT_EQ(*(end + 1), "enableMainWindow");
    EXPECT_EQ(*(end + 2), "captionRefresh");
}

TEST_F(LinkEngineTest, InterruptedUploadKeepsTheImageAndRestartsWithTheWindowDisabled)
{
    connect();
    window.image.bytes.fill(0x5A);
    const ConfigImage before = window.image;
    device.failConfigReadAt = 40;
    shared.requests.UploadRequest = true;

    ASSERT_TRUE(runUntil([&] { return shared.connectionState == Searching; }));
    EXPECT_EQ(window.image, before);
    EXPECT_EQ(window.count("uploadCompleted"), 0);
    EXPECT_EQ(window.calls[window.calls.size() - 3], "enableMainWindow");
    EXPECT_TRUE(shared.requests.UploadRequest);

    device.failConfigReadAt = -1;
    window.calls.clear();
    drained();
    ASSERT_TRUE(runUntil([&] { return !shared.requests.UploadRequest; }));
    EXPECT_EQ(window.image, device.config);
    EXPECT_EQ(drained()[2].index, 0) << "restarts from block 0";
    const auto disabled = std::find(window.calls.begin(), window.calls.end(), "disableMainWindow");
    const auto enabled = std::find(window.calls.begin(), window.calls.end(), "enableMainWindow");
    EXPECT_LT(disabled, enabled) << "the window stays disabled for the whole restarted transfer";
}

TEST_F(LinkEngineTest, DownloadSendsTheImageAsItWasWhenItStarted)
{
    connectAndPoll();
    for (int i = 0; i < ConfigImage::Size; ++i)
        window.image.bytes[i] = Byte(i / 3);
    const ConfigImage sent = window.image;
    window.provenance.origin = ConfigOrigin::OriginFile;
    window.provenance.modified = true;
    shared.requests.DownloadRequest = true;

    ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpConfigWrite; }));
    window.image.bytes.fill(0xEE); // edited while the transfer runs
    ASSERT_TRUE(runUntil([&] { return !shared.requests.DownloadRequest; }));
    EXPECT_EQ(device.config, sent);
    EXPECT_EQ(window.count("downloadCompleted"), 1);
    EXPECT_TRUE(window.provenance.modified) << "a file's image stays modified";
    EXPECT_EQ(shared.progressPosition, 0);

    // Uploaded from this master: the Download makes it unmodified.
    window.provenance = {ConfigOrigin::OriginMaster, true, 0, 0x83, {}};
    shared.requests.DownloadRequest = true;
    ASSERT_TRUE(runUntil([&] { return !shared.requests.DownloadRequest; }));
    EXPECT_FALSE(window.provenance.modified);

    // A failed Download is abandoned, and the window enabled.
    chip.setDevice({});
    shared.requests.DownloadRequest = true;
    window.calls.clear();
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == Searching; }));
    EXPECT_FALSE(shared.requests.DownloadRequest);
    EXPECT_EQ(window.count("enableMainWindow"), 1);
}

TEST_F(LinkEngineTest, AccessDeniedIsShownAndTheRetriesGoOn)
{
    chip.setAccessDenied(true);
    bool changed = false;
    EXPECT_FALSE(engine.OpenDevice(&changed));
    EXPECT_TRUE(changed);
    EXPECT_TRUE(shared.accessDenied);
    EXPECT_FALSE(engine.OpenDevice(&changed));
    EXPECT_FALSE(changed);
    chip.setAccessDenied(false);
    EXPECT_TRUE(engine.OpenDevice(&changed));
    EXPECT_TRUE(changed);
    EXPECT_FALSE(shared.accessDenied);
}
