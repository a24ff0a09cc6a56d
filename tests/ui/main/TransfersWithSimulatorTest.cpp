// Transfers cut by closing, by a missing reply, by an unplug or by a bad link, and the
// generator's, end to end against qs7582-sim.

#include "SimulatorWindowFixture.h"
#include "model/DefaultConfiguration.h"
#include "model/LegalFile.h"
#include "ui/main/ProgramEnd.h"
#include "ui/main/TransferMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <csignal>

namespace q7582::test {
namespace {

class TransfersWithSimulator : public SimulatorWindowTest {
protected:
    // A Download that ends in a close cannot be run again: the link waits twice the
    // device's pause for each reply, so that a simulator starved of CPU still answers.
    static constexpr double ClosingPacing = 2.0;

    void restart()
    {
        shared.closing = false;
        SetUp();
    }
    // Opens a file of distinct bytes (each block holds both bytes that travel escaped).
    std::string openPlan(int seed = 0)
    {
        std::string content(ConfigImage::Size, '\0');
        for (std::size_t i = 0; i < content.size(); ++i)
            content[i] = char(i * 7 + i / ConfigImage::BlockSize + std::size_t(seed));
        write("plan.cfi", content);
        dialogs.answers.push_back(dir.filePath("plan.cfi"));
        trigger("Open1");
        return content;
    }
    bool reachesBlock(Byte command, int block)
    {
        return spinUntil([&] { return lastBlockOf(command) >= block; }, TransferMs);
    }
    // Whether the master's memory came to hold content; on failure, says what the user was told.
    ::testing::AssertionResult holds(simtest::SimulatorProcess& sim, const std::string& content)
    {
        if (spinUntil([&] { return sim.dump("config.bin").toStdString() == content; }, TransferMs))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "told: " << (dialogs.warnings.empty() ? "nothing" : dialogs.warnings.back().second.toStdString());
    }
    // Starts a Download and holds the link before that block goes out. A Download that a
    // starved simulator fails before then is run again, as the user is told.
    bool downloadHeldBefore(int block)
    {
        chip->holdBefore(Frame::WriteConfig, block);
        for (int attempt = 0; attempt < 3; ++attempt) {
            dialogs.warnings.clear();
            trigger("Download1");
            spinUntil([&] { return chip->holding() || !dialogs.warnings.empty(); }, 2 * TransferMs);
            if (chip->holding())
                return true;
            spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000);
        }
        return false;
    }
    // A Download of a new plan held before block 100. A late block leaves the rest well
    // inside the closing guard's fallback however slow the run.
    std::string downloadHeldMidWay(int seed)
    {
        const std::string content = openPlan(seed);
        if (!downloadHeldBefore(100))
            ADD_FAILURE() << "no Download reached block 100";
        return content;
    }
};

// A close request in the middle of a Download lets it finish; then the window closes.
// The link waits before block 100 until the request is seen, so the Download is still
// running when it comes, whatever the machine's load.
TEST_P(TransfersWithSimulator, ACloseRequestMidDownloadLetsItFinishThenEnds)
{
    simtest::SimulatorProcess sim({}, cable());
    ASSERT_TRUE(start(sim, true, ClosingPacing)) << sim.problem();
    const std::string content = downloadHeldMidWay(0);
    window->close();
    EXPECT_EQ(text("StatusBar1Panel3"), ClosingNotice);
    EXPECT_EQ(closings, 0);
    chip->release();
    ASSERT_TRUE(spinUntil([&] { return closings == 1; }, TransferMs));
    EXPECT_TRUE(holds(sim, content)); // all 128 blocks (the chip went with the link)

    // The same for SIGTERM, as the program runs: the signal reaches the window.
    restart();
    routeProgramEnd(*qobject_cast<QApplication*>(QCoreApplication::instance()), *window);
    simtest::SimulatorProcess second({}, cable());
    ASSERT_TRUE(start(second, true, ClosingPacing)) << second.problem();
    const std::string again = downloadHeldMidWay(0x5A);
    std::raise(SIGTERM);
    ASSERT_TRUE(spinUntil([&] { return text("StatusBar1Panel3") == ClosingNotice; }, TransferMs));
    EXPECT_EQ(closings, 0);
    chip->release();
    ASSERT_TRUE(spinUntil([&] { return closings == 1; }, TransferMs));
    EXPECT_TRUE(holds(second, again));
}

TEST_P(TransfersWithSimulator, AMissingReplyMidDownloadSaysWhereAndMarksThePartialDownload)
{
    simtest::SimulatorProcess sim({}, cable());
    ASSERT_TRUE(start(sim)) << sim.problem();
    openPlan();
    ASSERT_TRUE(downloadHeldBefore(39));
    ASSERT_TRUE(sim.control("silence 1"));
    chip->release();
    ASSERT_TRUE(spinUntil([&] { return !dialogs.warnings.empty(); }, TransferMs));
    const int unanswered = lastBlockOf(Frame::WriteConfig);
    EXPECT_EQ(dialogs.warnings.back().first, "Errore");
    EXPECT_EQ(dialogs.warnings.back().second,
              QStringLiteral("The master did not answer at block %1 of 128: the master now holds a partial "
                             "configuration. Download again.")
                  .arg(unanswered));
    EXPECT_TRUE(text("StatusBar1Panel3").endsWith(" - PARTIAL DOWNLOAD"));
    EXPECT_EQ(window->windowTitle(), "Q7582 Manager - PARTIAL DOWNLOAD");
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    window->stopLink();
}

// Each completed Upload and Download is kept once; a Download cut at block 40 is kept
// as partial, with the image it was writing.
TEST_P(TransfersWithSimulator, TransfersAreKeptInTheHistory)
{
    simtest::SimulatorProcess sim({}, cable());
    ASSERT_TRUE(start(sim)) << sim.problem();
    ASSERT_TRUE(transfer("Edit1"));
    ASSERT_TRUE(transfer("Edit1")); // the same image again
    openPlan();
    ASSERT_TRUE(transfer("Download1"));
    const std::string cut = openPlan(1);
    ASSERT_TRUE(downloadHeldBefore(40));
    ASSERT_TRUE(sim.control("silence 1"));
    chip->release();
    ASSERT_TRUE(spinUntil([&] { return !dialogs.warnings.empty(); }, TransferMs));
    window->stopLink();

    const std::vector<std::string> kept = historyNames();
    EXPECT_EQ(kept, (std::vector<std::string>{"2026-03-15_09.08.07_master-0_download-partial_3.cfi",
                                              "2026-03-15_09.08.07_master-0_download_2.cfi",
                                              "2026-03-15_09.08.07_master-0_upload.cfi"}));
    EXPECT_EQ(read("history/" + kept[0]), cut);
}

// Master 1's configuration meets master 2: asked, and No writes no block.
TEST_P(TransfersWithSimulator, MasterOnesConfigurationIsNotWrittenToMasterTwoUnasked)
{
    simtest::SimulatorProcess one({"--address", "1"}, cable());
    ASSERT_TRUE(start(one)) << one.problem();
    ASSERT_TRUE(transfer("Edit1"));
    window->stopLink();
    simtest::SimulatorProcess two({"--address", "2"}, cable());
    ASSERT_TRUE(start(two)) << two.problem();
    trigger("Download1");
    EXPECT_EQ(dialogs.questions.join('|').toStdString(),
              "This configuration was read from master 1; the connected master is 2. Download anyway?");
    serveEventsFor(1500);
    EXPECT_EQ(requestsOf(Frame::WriteConfig), 0);
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    window->stopLink();
}

TEST_P(TransfersWithSimulator, AnUploadCutByAnUnplugIsDroppedByLoadDefault)
{
    simtest::SimulatorProcess sim({}, cable());
    ASSERT_TRUE(start(sim)) << sim.problem();
    trigger("Edit1");
    ASSERT_TRUE(reachesBlock(Frame::ReadConfig, 16));
    ASSERT_TRUE(sim.control("unplug 1"));
    ASSERT_TRUE(spinUntil([&] { return shared.connectionState == ConnectionState::NotConnected; }));
    trigger("Master1");
    EXPECT_FALSE(shared.requests.uploadRequest);
    ASSERT_TRUE(sim.waitReady(5000));
    ASSERT_TRUE(spinUntil([&] { return shared.connectionState == ConnectionState::Connected; }, 10000));
    const int reads = requestsOf(Frame::ReadConfig);
    serveEventsFor(1500);
    EXPECT_EQ(requestsOf(Frame::ReadConfig), reads);
    ConfigImage defaults;
    buildDefaultConfiguration(defaults, 1);
    EXPECT_EQ(workspace->config(), defaults);
    window->stopLink();
}

// Every 40th reply truncated: no Upload can complete.
TEST_P(TransfersWithSimulator, AFailingUploadGivesUpAfterThreeRestartsAndEscCancelsOne)
{
    simtest::SimulatorProcess sim({"--truncate-every", "40"}, cable());
    ASSERT_TRUE(start(sim)) << sim.problem();
    const ConfigImage before = workspace->config();
    trigger("Edit1");
    ASSERT_TRUE(spinUntil([&] { return !dialogs.warnings.empty(); }, 4 * TransferMs));
    EXPECT_TRUE(dialogs.warnings.back().second.endsWith(
        ", again after 3 restarts: the Upload was given up. The configuration in memory is unchanged."));
    EXPECT_FALSE(shared.requests.uploadRequest);
    EXPECT_EQ(workspace->config(), before);

    ASSERT_TRUE(spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000));
    trigger("Edit1");
    ASSERT_TRUE(
        spinUntil([&] { return text("StatusBar1Panel3") == "Upload: restart 1 of 3, Esc cancels"; }, TransferMs));
    trigger("CancelTransferKey");
    serveEventsFor(500); // a running attempt stops at its next block
    const int reads = requestsOf(Frame::ReadConfig);
    serveEventsFor(1500);
    EXPECT_EQ(requestsOf(Frame::ReadConfig), reads);
    EXPECT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    window->stopLink();
}

// The generator's live command and its summer-time table, the transfers of generator mode.
TEST_P(TransfersWithSimulator, GeneratorPlaysOnTheHeadphoneAndTakesTheSummerTimeTable)
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

INSTANTIATE_TEST_SUITE_P(Cable, TransfersWithSimulator, simtest::BothCables, simtest::cableTestName);

} // namespace
} // namespace q7582::test
