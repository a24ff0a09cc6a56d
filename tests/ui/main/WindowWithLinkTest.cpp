// The window and its worker thread, on a fake chip and end to end against qs7582-sim
// on either cable. The window is never shown (showing it starts Qt's own pooled
// threads).

#include "../../link/FakeDevice.h"
#include "SimulatorWindowFixture.h"
#include "link/FrameCodec.h"
#include "model/LegalFile.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <mutex>

namespace q7582::test {
namespace {

using WindowWithLink = WindowTest;

TEST_F(WindowWithLink, ShowsTheMasterSendsAMovedSliderAndClosesPromptlyMidPoll)
{
    FakeDevice device;
    device.status.bytes[StatusBlock::SlaveZones] = 0x80;
    device.status.setMusicSourceLevel(2, 9);
    auto chip = std::make_unique<FakeChip>();
    device.attach(*chip);
    window->startLink(std::move(chip), 0.02);

    auto* tuner = find<QSlider>("LevelSliders9");
    ASSERT_TRUE(spinUntil([&] { return tuner->value() == 9; }));
    EXPECT_EQ(shared.connectionState, ConnectionState::Connected);

    tuner->setValue(14);
    ASSERT_TRUE(spinUntil([&] {
        for (const auto& r : device.received())
            if (r.command == Frame::WriteStatus && r.index == 0 && r.payload.size() == 64
                && r.payload[StatusBlock::MusicSourceLevels + 2] == 14)
                return true;
        return false;
    }));

    QElapsedTimer clock;
    clock.start();
    window->close();
    EXPECT_LT(clock.elapsed(), 1000);
    window.reset(); // and destroying it after close is harmless
}

TEST_P(WindowWithSimulator, UploadThenSaveGivesTheSimulatorsMemory)
{
    simtest::SimulatorProcess sim({}, cable());
    ASSERT_TRUE(start(sim));
    ASSERT_TRUE(transfer("Edit1"));
    EXPECT_EQ(text("StatusBar1Panel3"), "Configuration from Master 0");

    dialogs.answers.push_back(dir.filePath("master"));
    trigger("Save1");
    EXPECT_TRUE(dialogs.warnings.empty());
    const QByteArray memory = sim.dump("config.bin");
    ASSERT_EQ(memory.size(), ConfigImage::Size);
    EXPECT_EQ(read("master.cfi"), memory.toStdString());
    window->stopLink(); // before the simulator goes
}

TEST_P(WindowWithSimulator, GeneratorPlaysOnTheHeadphoneAndTakesTheSummerTimeTable)
{
    ASSERT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    ASSERT_TRUE(loadLegalFile(workspace->legalFile(), path("LEGAL.BIN")).ok);

    simtest::SimulatorProcess sim({"--generator"}, cable());
    ASSERT_TRUE(start(sim, false));
    auto* list = find<QComboBox>("CBMsgList");
    ASSERT_TRUE(spinUntil([&] { return window->generatorMode() && list->count() == 5; }, 10000));
    EXPECT_EQ(list->itemText(3), "010.WAV");

    list->setCurrentIndex(3);
    find<QPushButton>("SPstartHP")->click();
    EXPECT_TRUE(spinUntil([&] {
        std::lock_guard lock(chip->mutex);
        return std::any_of(chip->requests.begin(), chip->requests.end(), [](const Frame::Request& r) {
            return r.command == Frame::WriteStatus && r.payload.size() == GeneratorStatus::Size
                   && (r.payload[GeneratorStatus::Command] & GeneratorStatus::CmdPlayHeadphone)
                   && r.payload[GeneratorStatus::PlayMessage] == 10;
        });
    }));

    auto* update = find<QPushButton>("SPLegalUpdate");
    ASSERT_TRUE(spinUntil([&] { return update->isEnabled(); }));
    update->click();
    const std::string sent = read("LEGAL.BIN");
    ASSERT_EQ(sent.size(), std::size_t(LegalFileSize));
    EXPECT_TRUE(spinUntil([&] { return sim.dump("legal.bin").toStdString() == sent; }));
    EXPECT_TRUE(spinUntil([&] { return !update->isEnabled(); }));
    window->stopLink();
}

INSTANTIATE_TEST_SUITE_P(Cable, WindowWithSimulator, simtest::BothCables, simtest::cableTestName);

} // namespace
} // namespace q7582::test
