// The window and its worker thread, on a fake chip and end to end against qs7582-sim
// on either cable: the tty chip on its pty, or libftdi on the virtual FT232R. The
// window is never shown (showing it starts Qt's own pooled threads).

#include "../../link/FakeDevice.h"
#include "BothCables.h"
#include "WindowFixture.h"
#include "link/Chip.h"
#include "link/FrameCodec.h"
#include "model/LegalFile.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <mutex>

namespace q7582::test {
namespace {

// A chip remembering every request frame the link writes through it.
class RecordingChip : public Chip {
public:
    explicit RecordingChip(std::unique_ptr<Chip> chip) : chip_(std::move(chip)) {}
    int open() override { return chip_->open(); }
    int reset() override { return chip_->reset(); }
    int setTimeouts(unsigned readMs, unsigned writeMs) override { return chip_->setTimeouts(readMs, writeMs); }
    int purge() override { return chip_->purge(); }
    int setLatencyTimer(int ms) override { return chip_->setLatencyTimer(ms); }
    int getStatus(int& receiveQueue) override { return chip_->getStatus(receiveQueue); }
    int read(Byte* buffer, int count, int& got) override { return chip_->read(buffer, count, got); }
    void close() override { chip_->close(); }
    std::string lastError() const override { return chip_->lastError(); }
    OpenFailure openFailure() const override { return chip_->openFailure(); }
    std::string description() const override { return chip_->description(); }
    int write(const Byte* data, int count, int& written) override
    {
        Frame::Request r;
        if (Frame::decodeRequest(data, count, r)) {
            std::lock_guard lock(mutex);
            requests.push_back(r);
        }
        return chip_->write(data, count, written);
    }
    std::mutex mutex;
    std::vector<Frame::Request> requests;

private:
    std::unique_ptr<Chip> chip_;
};

class WindowWithSimulator : public WindowTest, public ::testing::WithParamInterface<simtest::Cable> {
protected:
    // Starts the link on the simulator at the device's own pacing (shorter pauses can
    // cut replies short under load); for a master, waits until it is found and has
    // told its address.
    bool start(simtest::SimulatorProcess& sim, bool master = true)
    {
        if (!sim.waitReady())
            return false;
        sim.useFromEnvironment();
        auto recording = std::make_unique<RecordingChip>(makeChipFromEnvironment());
        chip = recording.get();
        window->startLink(std::move(recording), 1.0);
        return !master || spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000);
    }
    // Runs a transfer command and waits until it has ended, the window enabled again.
    // An Upload that a loaded machine's slow reply fails is restarted; the window is
    // enabled between the attempts, and its request stays raised until the last.
    bool transfer(const char* command)
    {
        trigger(command);
        QWidget* controls = window->centralWidget();
        const auto done = [&] {
            return controls->isEnabled() && !shared.requests.uploadRequest && !shared.requests.downloadRequest;
        };
        return !controls->isEnabled() && spinUntil(done, 120000);
    }
    RecordingChip* chip = nullptr; // goes with the link: not after stopLink() or close
};

using WindowWithLink = WindowTest;

TEST_F(WindowWithLink, ShowsTheMasterSendsAMovedSliderAndClosesMidPoll)
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

    window->close(); // mid-poll: the link stops with it
    window.reset();  // and destroying it after close is harmless
}

TEST_P(WindowWithSimulator, UploadThenSaveGivesTheSimulatorsMemory)
{
    simtest::SimulatorProcess sim({}, GetParam());
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

    simtest::SimulatorProcess sim({"--generator"}, GetParam());
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
