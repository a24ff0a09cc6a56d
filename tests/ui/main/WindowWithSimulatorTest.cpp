// End to end: the window and its worker on the tty chip, against qs7582-sim. The
// window is never shown (showing it starts Qt's own pooled threads).

#include "SimHarness.h"
#include "WindowFixture.h"
#include "link/FrameCodec.h"
#include "link/TtyChip.h"
#include "model/LegalFile.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <mutex>

namespace q7582::test {
namespace {

// The tty chip, remembering every request frame the link writes.
class RecordingChip : public TtyChip {
public:
    using TtyChip::TtyChip;
    int write(const Byte* data, int count, int& written) override
    {
        Frame::Request r;
        if (Frame::decodeRequest(data, count, r)) {
            std::lock_guard lock(mutex_);
            requests_.push_back(r);
        }
        return TtyChip::write(data, count, written);
    }
    bool sent(const std::function<bool(const Frame::Request&)>& match)
    {
        std::lock_guard lock(mutex_);
        return std::any_of(requests_.begin(), requests_.end(), match);
    }

private:
    std::mutex mutex_;
    std::vector<Frame::Request> requests_;
};

class WindowWithSimulator : public WindowTest {
protected:
    // A transfer in about four seconds. The link takes a reply after the pause that
    // follows its request, and much shorter pauses leave the simulator too little time.
    static constexpr double Pacing = 0.5;
    static constexpr int TransferMs = 30000;

    RecordingChip* start(simtest::SimulatorProcess& sim)
    {
        auto chip = std::make_unique<RecordingChip>(sim.link());
        RecordingChip* raw = chip.get();
        window->startLink(std::move(chip), Pacing);
        return raw;
    }
    QByteArray fileBytes(const QString& name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool masterFound()
    {
        return spinUntil([&] { return shared.connectionState == Connected && !window->generatorMode(); }, 10000);
    }
};

TEST_F(WindowWithSimulator, UploadThenSaveGivesTheSimulatorsMemory)
{
    simtest::SimulatorProcess sim;
    ASSERT_TRUE(sim.waitReady());
    start(sim);
    ASSERT_TRUE(masterFound());

    trigger("Edit1");
    EXPECT_FALSE(window->isEnabled());
    ASSERT_TRUE(spinUntil([&] { return window->isEnabled(); }, TransferMs));
    EXPECT_EQ(window->provenance().origin, ConfigOrigin::OriginMaster);
    EXPECT_EQ(text("StatusBar1Panel3"), "Configuration from Master 0");

    dialogs.fileNames.push_back(dir.filePath("master"));
    trigger("Save1");
    EXPECT_TRUE(dialogs.warnings.empty());
    const QByteArray memory = sim.dump("config.bin");
    ASSERT_EQ(memory.size(), ConfigImage::Size);
    EXPECT_EQ(fileBytes("master.cfi"), memory);
    window->stopLink();
}

TEST_F(WindowWithSimulator, OpenThenDownloadPutsTheFileIntoTheSimulatorsMemory)
{
    QByteArray content(ConfigImage::Size, '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = char((i * 7 + i / 256) % 251);
    QFile f(dir.filePath("plan.cfi"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();

    simtest::SimulatorProcess sim;
    ASSERT_TRUE(sim.waitReady());
    start(sim);
    ASSERT_TRUE(masterFound());
    dialogs.fileNames.push_back(dir.filePath("plan.cfi"));
    trigger("Open1");
    trigger("Download1");
    EXPECT_FALSE(window->isEnabled());
    ASSERT_TRUE(spinUntil([&] { return window->isEnabled(); }, TransferMs));
    EXPECT_FALSE(shared.requests.DownloadRequest);
    EXPECT_TRUE(spinUntil([&] { return sim.dump("config.bin") == content; }));
    EXPECT_EQ(window->provenance().origin, ConfigOrigin::OriginFile);
    window->stopLink();
}

TEST_F(WindowWithSimulator, GeneratorPlaysOnTheHeadphoneAndTakesTheSummerTimeTable)
{
    const std::string legal = dir.filePath("LEGAL.BIN").toStdString();
    ASSERT_TRUE(createLegalFileIfMissing(legal).ok);
    ASSERT_TRUE(loadLegalFile(window->legalFileImage(), legal).ok);

    simtest::SimulatorProcess sim({"--generator"});
    ASSERT_TRUE(sim.waitReady());
    RecordingChip* chip = start(sim);
    auto* list = find<QComboBox>("CBMsgList");
    ASSERT_TRUE(spinUntil([&] { return window->generatorMode() && list->count() == 5; }, 10000));
    EXPECT_EQ(list->itemText(3), "010.WAV");

    list->setCurrentIndex(3);
    find<QPushButton>("SPstartHP")->click();
    EXPECT_TRUE(spinUntil([&] {
        return chip->sent([](const Frame::Request& r) {
            return r.command == Frame::WriteStatus && r.payload.size() == GeneratorStatus::Size
                   && (r.payload[GeneratorStatus::Command] & GeneratorStatus::CmdPlayHeadphone)
                   && r.payload[GeneratorStatus::PlayMessage] == 10;
        });
    }));
    EXPECT_TRUE(spinUntil([&] { return text("SPstartHP") == "STOP HeadPhone ||"; }));
    EXPECT_FALSE(find("SPstartCh")->isEnabled());

    auto* update = find<QPushButton>("SPLegalUpdate");
    ASSERT_TRUE(spinUntil([&] { return update->isEnabled(); }));
    update->click();
    QFile table(QString::fromStdString(legal));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QByteArray sent = table.readAll();
    ASSERT_EQ(sent.size(), LegalFileSize);
    EXPECT_TRUE(spinUntil([&] { return sim.dump("legal.bin") == sent; }));
    EXPECT_TRUE(spinUntil([&] { return !update->isEnabled(); }));
    EXPECT_EQ(text("LabelLegalW"), "The 'summer legal time' file is updated to the last version available.");
    window->stopLink();
}

} // namespace
} // namespace q7582::test
