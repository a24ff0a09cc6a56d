#include "BothCables.h"
#include "WindowFixture.h"
#include "recorder/RecordingReader.h"

#include <QDir>

namespace q7582::test {
namespace {

class RecordingWithSimulator : public WindowTest, public ::testing::WithParamInterface<simtest::Cable> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        before = QDir::currentPath();
        QDir::setCurrent(dir.path()); // the site
    }
    void TearDown() override { QDir::setCurrent(before); }
    QString before;
};

// Record starts and stops from the window, says so in the status bar, keeps what the link
// read on either cable; a folder it cannot write into is said and nothing is recorded.
TEST_P(RecordingWithSimulator, RecordFromTheWindowKeepsTheReadsAndSaysWhatItDoes)
{
    simtest::SimulatorProcess sim({"--address", "2"}, GetParam());
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    sim.useFromEnvironment();
    window->startLink(makeChipFromEnvironment());
    ASSERT_TRUE(spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000));
    auto* record = find<QAction>("Record1");
    ASSERT_TRUE(record);
    trigger("Record1");
    EXPECT_TRUE(record->isChecked());
    EXPECT_TRUE(text("RecordingText").startsWith("Recording 0:00:0")) << text("RecordingText").toStdString();
    const QString path = QDir(dir.filePath("recordings")).entryList(QDir::Files).value(0);
    QString error;
    auto reader = RecordingReader::open(dir.filePath("recordings/" + path), &error);
    ASSERT_TRUE(reader) << error.toStdString();
    ASSERT_TRUE(spinUntil([&] { return reader->refresh(), reader->readCount() >= 8; }, 10000));
    trigger("Record1");
    EXPECT_FALSE(record->isChecked());
    EXPECT_TRUE(text("RecordingText").startsWith("Recorded ")) << text("RecordingText").toStdString();
    reader->refresh();
    const RecordedStatus last = reader->statusAt(reader->span().lastMs);
    EXPECT_EQ(last.device, RecordedDevice::Master);
    EXPECT_EQ(last.master.masterAddress(), 2);
    EXPECT_EQ(reader->meta().siteName, QDir(dir.path()).dirName());

    ASSERT_TRUE(QDir(dir.path()).rename("recordings", "kept"));
    write("recordings", "a file where the folder goes");
    trigger("Record1");
    EXPECT_FALSE(record->isChecked());
    EXPECT_TRUE(text("RecordingText").startsWith("Not recording: ")) << text("RecordingText").toStdString();
    window->stopLink();
}

INSTANTIATE_TEST_SUITE_P(Cable, RecordingWithSimulator, simtest::BothCables, simtest::cableTestName);

} // namespace
} // namespace q7582::test
