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
    size_t seen = 0;

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

    void connect()
    {
        ASSERT_TRUE(engine.OpenDevice());
        engine.startSearch();
        ASSERT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));
    }

    // Connected to a master whose two pages have been read once.
    void connectAndPoll()
    {
        connect();
        ASSERT_TRUE(runUntil([&] { return window.count("statusDisplayRefresh") == 2; }, 10));
    }

    // Requests the device received since the last call.
    std::vector<Frame::Request> drained()
    {
        auto all = device.received();
        std::vector<Frame::Request> fresh(all.begin() + long(seen), all.end());
        seen = all.size();
        return fresh;
    }

    std::vector<int> transfersDrained() // command * 10 + index of each page write
    {
        std::vector<int> out;
        for (const auto& r : drained()) {
            const int code = r.command * 10 + (r.command == Frame::WriteStatus ? r.index : 0);
            if (r.command != Frame::ReadStatus && r.command != Frame::Identify && (out.empty() || out.back() != code))
                out.push_back(code);
        }
        return out;
    }
};

} // namespace

TEST_F(LinkEngineTest, PollingReadsPage1FirstThenPage0SevenTimesAndSoOn)
{
    connect();
    EXPECT_TRUE(shared.justConnected);
    device.status.bytes[0x05] = 0x11;
    device.status.bytes[0x70] = 0x22;
    drained();
    ASSERT_TRUE(runUntil([&] { return window.count("statusDisplayRefresh") == 17; }));
    std::vector<int> pages;
    for (const auto& r : drained())
        pages.push_back(r.index);
    EXPECT_EQ(pages, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(shared.progressPosition, 17 % 16);
    shared.withStatus([](const StatusBlock& s) { EXPECT_EQ(s.bytes[0x05] + s.bytes[0x70], 0x33); });
    EXPECT_EQ(std::vector<int>(sleeps.end() - 2, sleeps.end()), (std::vector<int>{100, 2}));
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
    // Page 0, then the clock (page 1) at the next opportunity, Download, Upload.
    EXPECT_EQ(transfersDrained(), (std::vector<int>{20, 21, 40, 30}));
    EXPECT_EQ(device.status.musicLevel(), 9);
    EXPECT_TRUE(device.status.summerTimeOff());
    EXPECT_FALSE(shared.requests.StatusWriteRequest || shared.requests.ClockWriteRequest);
    // A master never looks at the generator's requests.
    EXPECT_TRUE(shared.requests.GeneratorWriteRequest && shared.requests.LegalFileWriteRequest);
}

TEST_F(LinkEngineTest, GeneratorRequestsAreServedInOrderAndMasterOnesIgnored)
{
    device.kind = FakeDevice::Generator;
    device.generator.bytes[GeneratorStatus::MediaFlags] = 0x03;
    connect();
    EXPECT_EQ(window.count("enterGeneratorMode"), 1);
    for (int i = 0; i < LegalFileSize; ++i)
        window.legal.buffer[i] = Byte(255 - i);
    for (auto* flag : {&shared.requests.UploadRequest, &shared.requests.StatusWriteRequest,
                       &shared.requests.LegalFileWriteRequest, &shared.requests.GeneratorWriteRequest})
        *flag = true;

    ASSERT_TRUE(runUntil([&] { return !shared.requests.LegalFileWriteRequest; }));
    EXPECT_EQ(transfersDrained(), (std::vector<int>{20, 40}));
    EXPECT_EQ(device.legal, Bytes(window.legal.buffer.begin(), window.legal.buffer.begin() + LegalFileSize));
    EXPECT_TRUE(shared.requests.UploadRequest && shared.requests.StatusWriteRequest);
    shared.withGenerator([](const GeneratorStatus& g) { EXPECT_TRUE(g.folderFound()); });

    chip.setPresent(false); // gone: the window goes back to master mode
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == NotConnected; }, 5));
    EXPECT_EQ(window.count("enterMasterMode"), 1);
}

TEST_F(LinkEngineTest, BusyRepliesRetryAndTheThirdFailsTheStep)
{
    connect();
    device.busyReplies = 2;
    ASSERT_TRUE(runUntil([&] { return window.count("statusDisplayRefresh") == 1; }, 10));

    device.busyReplies = 3;
    drained();
    ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpIdSearch; }, 10));
    EXPECT_EQ(drained().size(), 3u); // the same request three times
    EXPECT_EQ(shared.activityIndex, ActivityIdSearch);

    // A device that stays busy fails every search at its third busy reply.
    device.busyReplies = 1000;
    for (int i = 0; i < 60; ++i)
        engine.step();
    EXPECT_EQ(drained().size(), 30u);
    device.busyReplies = 0;
    EXPECT_TRUE(runUntil([&] { return shared.connectionState == Connected; }, 10));
}

TEST_F(LinkEngineTest, FailureSearchesAgainOrWaitsForTheDeviceToComeBack)
{
    connectAndPoll();
    // A master's answer to a status read, silence, a bad escape: search again.
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
    EXPECT_FALSE(engine.OpenDevice());

    chip.setPresent(true); // the reconnect tick opens it and the search finds the master
    connect();
}

TEST_F(LinkEngineTest, UploadHandsOverAllBlocksOnlyAtTheEnd)
{
    connectAndPoll();
    window.provenance = {ConfigOrigin::OriginFile, true, 0, 0, {}};
    shared.requests.UploadRequest = true;
    std::vector<int> progress; // as each block is asked for
    ASSERT_TRUE(runUntil([&] {
        if (engine.linkOperation() == OpConfigRead)
            progress.push_back(shared.progressPosition);
        return !shared.requests.UploadRequest;
    }));
    ASSERT_EQ(progress.size(), 128u);
    EXPECT_EQ(std::vector<int>({progress[7], progress[8], progress[119], progress[120]}), (std::vector<int>{0, 1, 14, 15}));
    EXPECT_EQ(shared.progressPosition, 0);
    EXPECT_EQ(engine.linkOperation(), OpStatusRead);

    EXPECT_EQ(window.image, device.config);
    EXPECT_EQ(window.provenance.origin, ConfigOrigin::OriginMaster);
    EXPECT_EQ(window.provenance.uploadedMasterByte, 0x83);
    EXPECT_FALSE(window.provenance.modified);
    const auto end = std::find(window.calls.begin(), window.calls.end(), "uploadCompleted");
    ASSERT_LT(end + 2, window.calls.end());
    EXPECT_EQ(std::vector<std::string>(end + 1, end + 3), (std::vector<std::string>{"enableMainWindow", "captionRefresh"}));
}

TEST_F(LinkEngineTest, InterruptedUploadKeepsTheImageAndRestartsWithTheWindowDisabled)
{
    connectAndPoll();
    window.image.bytes.fill(0x5A);
    const ConfigImage before = window.image;
    device.failConfigReadAt = 40;
    shared.requests.UploadRequest = true;

    ASSERT_TRUE(runUntil([&] { return shared.connectionState == Searching; }));
    EXPECT_EQ(window.image, before);
    EXPECT_EQ(window.count("enableMainWindow"), 1);
    EXPECT_TRUE(shared.requests.UploadRequest);

    device.failConfigReadAt = -1;
    window.calls.clear();
    drained();
    ASSERT_TRUE(runUntil([&] { return !shared.requests.UploadRequest; }));
    EXPECT_EQ(window.image, device.config);
    EXPECT_EQ(drained()[2].index, 0) << "restarts from block 0";
    const auto disabled = std::find(window.calls.begin(), window.calls.end(), "disableMainWindow");
    EXPECT_LT(disabled, std::find(window.calls.begin(), window.calls.end(), "enableMainWindow"));
}

TEST_F(LinkEngineTest, DownloadSendsTheImageAsItWasWhenItStarted)
{
    connectAndPoll();
    for (int i = 0; i < ConfigImage::Size; ++i)
        window.image.bytes[i] = Byte(i / 3);
    const ConfigImage sent = window.image;
    window.provenance = {ConfigOrigin::OriginFile, true, 0, 0x83, {}};
    shared.requests.DownloadRequest = true;
    ASSERT_TRUE(runUntil([&] { return engine.linkOperation() == OpConfigWrite; }));
    window.image.bytes.fill(0xEE); // edited while the transfer runs
    ASSERT_TRUE(runUntil([&] { return !shared.requests.DownloadRequest; }));
    EXPECT_EQ(device.config, sent);
    EXPECT_TRUE(window.provenance.modified) << "a file's image stays modified";

    window.provenance.origin = ConfigOrigin::OriginMaster; // uploaded from this master
    shared.requests.DownloadRequest = true;
    ASSERT_TRUE(runUntil([&] { return !shared.requests.DownloadRequest; }));
    EXPECT_FALSE(window.provenance.modified);
    EXPECT_EQ(window.count("downloadCompleted"), 2);

    // A failed Download is abandoned, and the window enabled.
    chip.setDevice({});
    shared.requests.DownloadRequest = true;
    window.calls.clear();
    ASSERT_TRUE(runUntil([&] { return shared.connectionState == Searching; }));
    EXPECT_FALSE(shared.requests.DownloadRequest);
    EXPECT_EQ(window.count("enableMainWindow"), 1);
}

TEST_F(LinkEngineTest, AccessDeniedIsShownUntilTheDeviceOpens)
{
    chip.setAccessDenied(true);
    bool changed = false;
    EXPECT_FALSE(engine.OpenDevice(&changed));
    EXPECT_TRUE(changed && shared.accessDenied);
    EXPECT_FALSE(engine.OpenDevice(&changed));
    EXPECT_FALSE(changed);
    chip.setAccessDenied(false);
    EXPECT_TRUE(engine.OpenDevice(&changed));
    EXPECT_TRUE(changed && !shared.accessDenied);
}
