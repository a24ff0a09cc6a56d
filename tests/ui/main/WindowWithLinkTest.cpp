// The window and its worker thread on a fake master or message generator, and its
// transfers end to end against qs7582-sim on either cable. The window is never shown
// (showing it starts Qt's own pooled threads).

#include "../../link/FakeDevice.h"
#include "BothCables.h"
#include "WindowFixture.h"
#include "link/FrameCodec.h"
#include "model/LegalFile.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>

namespace q7582::test {
namespace {

class WindowWithLink : public WindowTest {
protected:
    void TearDown() override
    {
        if (window)
            window->stopLink(); // before the device goes
    }
    void start()
    {
        auto chip = std::make_unique<FakeChip>();
        device.attach(*chip);
        window->startLink(std::move(chip), 0.02);
    }
    // Whether the device comes to receive a request of that command that `match` accepts.
    bool receives(Byte command, const std::function<bool(const std::vector<Byte>&)>& match)
    {
        return spinUntil([&] {
            const auto received = device.received();
            return std::any_of(received.begin(), received.end(),
                               [&](const Frame::Request& r) { return r.command == command && match(r.payload); });
        });
    }
    FakeDevice device;
};

TEST_F(WindowWithLink, ShowsTheMasterSendsAMovedSliderAndClosesMidPoll)
{
    device.status.bytes[StatusBlock::SlaveZones] = 0x80;
    device.status.setMusicSourceLevel(2, 9);
    start();

    auto* tuner = find<QSlider>("LevelSliders9");
    ASSERT_TRUE(spinUntil([&] { return tuner->value() == 9; }));
    EXPECT_EQ(shared.connectionState, ConnectionState::Connected);
    tuner->setValue(14);
    EXPECT_TRUE(receives(Frame::WriteStatus, [](const std::vector<Byte>& page) {
        return page.size() == StatusBlock::PageSize && page[StatusBlock::MusicSourceLevels + 2] == 14;
    }));

    window->close(); // mid-poll: the link stops with it
    window.reset();  // and destroying it after close is harmless
}

TEST_F(WindowWithLink, AGeneratorPlaysOnTheHeadphoneAndTakesTheSummerTimeTable)
{
    ASSERT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    ASSERT_TRUE(loadLegalFile(workspace->legalFile(), path("LEGAL.BIN")).ok);
    device.kind = FakeDevice::Generator;
    device.generator.bytes[GeneratorStatus::MediaFlags] =
        GeneratorStatus::MediaCardInserted | GeneratorStatus::MediaFolderFound;
    device.generator.bytes[GeneratorStatus::MessageMap + 1] = 0x02; // message 10
    start();

    auto* list = find<QComboBox>("CBMsgList");
    ASSERT_TRUE(spinUntil([&] { return window->generatorMode() && list->count() == 1; }));
    EXPECT_EQ(list->itemText(0), "010.WAV");
    find<QPushButton>("SPstartHP")->click();
    EXPECT_TRUE(receives(Frame::WriteStatus, [](const std::vector<Byte>& g) {
        return g.size() == GeneratorStatus::Size && (g[GeneratorStatus::Command] & GeneratorStatus::CmdPlayHeadphone)
               && g[GeneratorStatus::PlayMessage] == 10;
    }));

    auto* update = find<QPushButton>("SPLegalUpdate");
    ASSERT_TRUE(spinUntil([&] { return update->isEnabled(); }));
    update->click();
    const std::string sent = read("LEGAL.BIN");
    ASSERT_EQ(sent.size(), std::size_t(LegalFileSize));
    EXPECT_TRUE(receives(Frame::WriteConfig, [&](const std::vector<Byte>& table) {
        return std::string(table.begin(), table.end()) == sent;
    }));
}

class WindowWithSimulator : public WindowTest, public ::testing::WithParamInterface<simtest::Cable> {};

// At the device's own pacing: an Upload that a loaded machine's slow reply fails is
// restarted until it completes.
TEST_P(WindowWithSimulator, UploadAndDownloadMoveTheSimulatorsMemory)
{
    simtest::SimulatorProcess sim({}, GetParam());
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    sim.useFromEnvironment();
    window->startLink(makeChipFromEnvironment(), 1.0);
    ASSERT_TRUE(spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000));
    trigger("Edit1");
    ASSERT_TRUE(spinUntil([&] { return caption() == "Upload complete: 128 blocks read from master 0"; }, 120000));
    dialogs.answers.push_back(dir.filePath("master"));
    trigger("Save1");
    EXPECT_EQ(read("master.cfi"), sim.dump("config.bin").toStdString());

    std::string plan(ConfigImage::Size, '\0'); // each block holds both bytes that travel escaped
    for (std::size_t i = 0; i < plan.size(); ++i)
        plan[i] = char(i * 7 + i / ConfigImage::BlockSize);
    write("plan.cfi", plan);
    dialogs.answers.push_back(dir.filePath("plan.cfi"));
    trigger("Open1");
    const QString downloaded = "Download complete: 128 blocks written to master 0";
    for (int attempt = 0; attempt < 3 && caption() != downloaded; ++attempt) { // a starved simulator misses replies
        dialogs.warnings.clear();
        ASSERT_TRUE(spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000));
        trigger("Download1");
        spinUntil([&] { return caption() == downloaded || !dialogs.warnings.empty(); }, 60000);
    }
    ASSERT_EQ(caption(), downloaded);
    EXPECT_EQ(sim.dump("config.bin").toStdString(), plan);
    std::vector<HistoryEntry> kept;
    ASSERT_TRUE(workspace->history().list(kept).ok);
    EXPECT_EQ(std::count_if(kept.begin(), kept.end(), [](const HistoryEntry& e) { return !e.name->partial; }),
              2); // the Upload and the Download
    ASSERT_TRUE(sim.control("unplug 1"));
    EXPECT_TRUE(spinUntil([&] { return shared.connectionState == ConnectionState::NotConnected; }));
    window->stopLink(); // before the simulator goes
}

INSTANTIATE_TEST_SUITE_P(Cable, WindowWithSimulator, simtest::BothCables, simtest::cableTestName);

} // namespace
} // namespace q7582::test
