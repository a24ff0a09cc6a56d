// Closing the window around transfers and unsaved changes, and what the window shows
// when a transfer fails, restarts or is dropped, with the link played by the test; then
// transfers end to end against qs7582-sim: completed and kept, cut by closing, by a
// missing reply, by an unplug or by a bad link, and the generator's.

#include "BothCables.h"
#include "WindowFixture.h"
#include "app/TerminationSignals.h"
#include "link/Chip.h"
#include "model/DefaultConfiguration.h"
#include "model/LegalFile.h"
#include "recorder/RecordingReader.h"
#include "sites/KnownSites.h"
#include "sites/SiteFolder.h"
#include "ui/main/ProgramEnd.h"
#include "ui/main/TransferMessages.h"
#include "ui/reports/ReportViewer.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>

namespace q7582::test {
namespace {

class ClosingAndTransfers : public WindowTest {
protected:
    // A new run of the program in the same folder.
    void restart()
    {
        dialogs.questions.clear();
        shared.closing = false;
        SetUp();
    }
    void end(TransferKind kind, TransferEnd how, TransferFault fault = TransferFault::None, int block = 0,
             int restarts = 0)
    {
        shared.transferRunning = false;
        window->transferEnded({kind, how, fault, block, restarts});
    }
    bool cancelShown() const { return !find<QToolButton>("CancelTransfer")->isHidden(); }
};

// A changed configuration is asked about (No by default). A running transfer: at the
// first request, wait and say so, starting no new transfer; at the second, ask (No by
// default) what cutting it would leave behind; the end of the transfer closes the
// window. A session's end never asks.
TEST_F(ClosingAndTransfers, AChangedConfigurationIsAskedAboutAndARunningTransferLetFinish)
{
    trigger("Exit1"); // the default built at start-up is not a change: not asked (No by default)
    EXPECT_EQ(closings, 1);

    restart();
    acceptEdited(ConfigImage{});
    trigger("Exit1");
    EXPECT_EQ(dialogs.questions, QStringList{UnsavedCloseQuestion});
    EXPECT_EQ(closings, 0); // No, the default answer
    dialogs.yeses = 1;
    window->close();
    EXPECT_EQ(closings, 1);

    restart(); // a Download running
    shared.transferRunning = shared.requests.downloadRequest = true;
    window->close();
    EXPECT_EQ(caption(), ClosingNotice);
    EXPECT_TRUE(shared.closing);
    window->close();
    EXPECT_EQ(std::tuple(dialogs.questions, closings), std::tuple(QStringList{ForceCloseQuestion}, 0));
    end(TransferKind::Download, TransferEnd::Failed, TransferFault::LinkLost, 70);
    EXPECT_EQ(closings, 0); // the failure is told first, not from inside the worker's call
    ASSERT_TRUE(spinUntil([&] { return closings == 1; }, 1000));
    EXPECT_EQ(dialogs.warnings.size(), 1u);

    restart(); // an Upload leaves the configuration in memory as it was
    shared.requests.downloadRequest = false;
    shared.transferRunning = shared.requests.uploadRequest = true;
    window->close();
    window->close();
    EXPECT_EQ(dialogs.questions, QStringList{CutUploadQuestion});

    restart();
    shared.transferRunning = true;
    acceptEdited(ConfigImage{});
    window->requestClose(CloseSource::Session);
    window->requestClose(CloseSource::Session);
    EXPECT_EQ(closings, 1); // unasked: a question's default No would keep it open
}

// Transfers are refused without a master, and until it has told its address. A
// configuration known to be another master's is asked about before a Download, No by
// default; one of this master or of unknown origin goes at once.
TEST_F(ClosingAndTransfers, ADownloadToAnotherMasterThanTheConfigurationsIsAsked)
{
    trigger("Edit1");
    trigger("Download1");
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    setStatus([](StatusBlock& s) { s.setMasterAddress(2); });
    connectMaster(); // page 1 read: the address is not known yet
    trigger("Edit1");
    trigger("Download1");
    const QString unknown = "The connected master has not told its address yet. Try again in a moment.";
    const QString none = "No master connected";
    EXPECT_EQ(dialogs.warnings,
              (std::vector<Box>{{"Upload", none}, {"Download", none}, {"Upload", unknown}, {"Download", unknown}}));
    EXPECT_FALSE(shared.requests.uploadRequest || shared.requests.downloadRequest);
    refresh();
    ASSERT_TRUE(QDir(tmp.path()).mkdir("history"));
    const struct {
        const char* command;
        const char* file; // that Open1 opens
        int asked;        // the configuration's master, -1: no question
    } cases[] = {
        {"Master0", nullptr, 0},
        {"Master2", nullptr, -1},
        {"Open1", "site.cfi", -1},
        {"Open1", "history/2026-01-01_08.00.00_master-2_upload.cfi", -1},
        {"Open1", "history/2026-01-01_08.00.00_master-3_download-partial.cfi", 3},
    };
    for (const auto& c : cases) {
        if (c.file) {
            write(c.file, std::string(ConfigImage::Size, '\0'));
            dialogs.answers << tmp.filePath(c.file);
        }
        trigger(c.command);
        dialogs.choices = {c.asked < 0 ? "Download" : "Esc"};
        trigger("Download1");
        EXPECT_EQ(dialogs.choiceBoxes.back().text.endsWith(
                      QStringLiteral("\n\nThis configuration was read from master %1; the connected master is 2. "
                                     "Download anyway?")
                          .arg(c.asked)),
                  c.asked >= 0);
        EXPECT_EQ(shared.requests.downloadRequest.exchange(false), c.asked < 0);
        window->enableMainWindow();
    }
    window->uploadCompleted(ConfigImage{}, 0x81); // kept beside other masters' entries; asked
    dialogs.choices << "Download";
    trigger("Download1");
    EXPECT_TRUE(shared.requests.downloadRequest);
}

// Each completed Upload and Download is kept once; a failed Download is kept as
// partial, with the image it was writing. A history that cannot be written does not
// stop a transfer, and the status bar says so once, not at every transfer.
TEST_F(ClosingAndTransfers, TransfersAreKeptInTheHistoryOrItsFailureIsToldOnce)
{
    trigger("Master0"); // a changed configuration of no master stays changed after its Download
    ConfigImage sent;
    sent.bytes.fill(0x11);
    acceptEdited(sent);
    window->copyConfigForDownload(sent);
    window->downloadCompleted(0x80);
    EXPECT_TRUE(workspace->provenance().modified);
    workspace->config().bytes.fill(0x22);
    window->copyConfigForDownload(sent);
    end(TransferKind::Download, TransferEnd::Failed, TransferFault::BadReply, 40);
    ASSERT_TRUE(spinUntil([&] { return !dialogs.warnings.empty(); }, 1000));
    EXPECT_EQ(dialogs.warnings.back().second, "The master gave a garbled reply at block 40 of 128: the master now "
                                              "holds a partial configuration. Download again.");

    const QString partial = "2026-03-15_09.08.07_master-0_download-partial_2.cfi";
    EXPECT_EQ(QDir(tmp.filePath("history")).entryList(QDir::Files),
              QStringList({partial, "2026-03-15_09.08.07_master-0_download.cfi"}));
    EXPECT_EQ(read("history/" + partial.toStdString()), bytesOf(sent));

    ASSERT_TRUE(QDir(tmp.filePath("history")).removeRecursively());
    write("history", "a file where the folder should be");
    for (const char* shown : {"Configuration history not written", "Upload complete"}) {
        window->uploadCompleted(ConfigImage{}, 0x01);
        end(TransferKind::Upload, TransferEnd::Completed);
        EXPECT_TRUE(caption().startsWith(shown)) << caption().toStdString();
    }
}

TEST_F(ClosingAndTransfers, TerminationSignalsArriveOnTheMainThreadOnePerSignal)
{
    int requests = 0;
    {
        TerminationSignals termination([&] { ++requests; });
        std::raise(SIGTERM);
        std::raise(SIGHUP);
        EXPECT_EQ(requests, 0);
        ASSERT_TRUE(spinUntil([&] { return requests == 2; }, 1000));
        std::raise(SIGINT);
        ASSERT_TRUE(spinUntil([&] { return requests == 3; }, 1000));
    }
    struct sigaction restored = {};
    ::sigaction(SIGTERM, nullptr, &restored);
    EXPECT_EQ(restored.sa_handler, SIG_DFL);
}

// What the master holds is unknown: "Read the master first" uploads into the history
// only, then asks again with the differences one click away. A read that fails writes
// nothing. A file in another known site's folder is that site's: asked, No by default.
TEST_F(ClosingAndTransfers, TheDownloadReadsTheMasterFirstAndNamesAnotherSitesConfiguration)
{
    connectMaster(); // master 0, with its default in memory
    refresh();
    const ConfigImage before = workspace->config();
    ConfigImage held = before;
    held.key(0, 0).setOutputEvent(9);
    const auto download = [&](const QStringList& answers) {
        dialogs.choices = answers;
        trigger("Download1");
        return dialogs.choiceBoxes.empty() ? ScriptedDialogs::Choice{} : dialogs.choiceBoxes.back();
    };
    EXPECT_TRUE(download({"Read the master first"}).text.startsWith("The history holds nothing of master 0.\n"));
    EXPECT_TRUE(shared.requests.uploadRequest.exchange(false));
    window->uploadCompleted(held, 0x00);
    dialogs.choices = {"Show differences", "Download"};
    end(TransferKind::Upload, TransferEnd::Completed);
    EXPECT_EQ(workspace->config(), before);
    ASSERT_TRUE(spinUntil([&] { return dialogs.choiceBoxes.size() == 3; }));
    EXPECT_EQ(std::pair(dialogs.choiceBoxes[1].text, dialogs.choiceBoxes[1].buttons),
              std::pair(QString("Download: 1 difference from what master 0 holds (its Upload of 15/03/2026)"),
                        QStringList({"Download", "Show differences", "Cancel"})));
    EXPECT_TRUE(window->reportViewer().isVisible() && shared.requests.downloadRequest.exchange(false));

    window->enableMainWindow();
    write("history/2026-03-15_10.00.00_master-0_download-partial.cfi", std::string(ConfigImage::Size, '\0'));
    download({"Read the master first"});
    end(TransferKind::Upload, TransferEnd::Failed, TransferFault::NoReply, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(caption(), "The master was not read: nothing was written to it");
    EXPECT_EQ(dialogs.choiceBoxes.size(), 4u);

    window->enableMainWindow();
    const QTemporaryDir spa; // another site, outside the open one
    qputenv("Q7582_SITES_LIST", tmp.filePath("sites.txt").toUtf8());
    ASSERT_TRUE(writeSiteName(spa.path(), "Spa").ok && KnownSites().markUsed(spa.path()).ok);
    std::ofstream(spa.filePath("plan.cfi").toStdString(), std::ios::binary) << std::string(ConfigImage::Size, '\0');
    dialogs.answers << spa.filePath("plan.cfi");
    trigger("Open1");
    const auto asked = download({});
    qunsetenv("Q7582_SITES_LIST");
    EXPECT_TRUE(asked.text.endsWith("\n\nThis configuration belongs to site Spa; the open site is "
                                    + QDir(tmp.path()).dirName() + ". Download anyway?"))
        << asked.text.toStdString();
    EXPECT_EQ(asked.defaultButton, "No");
    EXPECT_FALSE(shared.requests.downloadRequest);
}

TEST_F(ClosingAndTransfers, FailuresAreToldAPartialDownloadStaysMarkedAndARestartCanBeWithdrawn)
{
    int uploadsFinished = 0; // each asks whether another site keeps what was read
    QObject::connect(window.get(), &MainWindow::uploadFinished, [&] { ++uploadsFinished; });
    end(TransferKind::Download, TransferEnd::Failed, TransferFault::NoReply, 40);
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 0 - PARTIAL DOWNLOAD");
    EXPECT_EQ(window->windowTitle(), "Q7582 Manager - PARTIAL DOWNLOAD");
    window->setSiteName("Hotel Milano");
    EXPECT_EQ(window->windowTitle() + text("StatusBar1Panel5"),
              "Hotel Milano - Q7582 Manager - PARTIAL DOWNLOADHotel Milano");
    ASSERT_TRUE(spinUntil([&] { return !dialogs.warnings.empty(); }, 1000)); // its text: TransfersWithSimulator

    end(TransferKind::Upload, TransferEnd::Restarting, TransferFault::LinkLost, 12, 1);
    EXPECT_EQ(caption(), "Upload: restart 1 of 3, Esc cancels");
    EXPECT_TRUE(cancelShown());
    end(TransferKind::Upload, TransferEnd::Failed, TransferFault::Busy, 3);
    ASSERT_TRUE(spinUntil([&] { return dialogs.warnings.size() == 2; }, 1000));
    EXPECT_EQ(dialogs.warnings.back().second,
              "The master stayed busy at block 3 of 128, again after 3 restarts: the Upload was given up. "
              "The configuration in memory is unchanged.");
    EXPECT_FALSE(cancelShown());

    end(TransferKind::LegalTable, TransferEnd::Completed); // only a complete transfer clears it
    EXPECT_TRUE(window->partialDownload());
    EXPECT_EQ(uploadsFinished, 0);
    end(TransferKind::Upload, TransferEnd::Completed);
    EXPECT_EQ(uploadsFinished, 1) << "only a completed Upload";
    EXPECT_EQ(window->windowTitle(), "Hotel Milano - Q7582 Manager");
    EXPECT_EQ(caption(), "Upload complete: 128 blocks read from master 0"); // for a while
    setStatus([](StatusBlock& s) { s.setMasterAddress(2); });
    end(TransferKind::Download, TransferEnd::Completed);
    EXPECT_EQ(caption(), "Download complete: 128 blocks written to master 2");

    // A pending Upload never overwrites a configuration the user chose meanwhile; Esc
    // and Cancel withdraw a restarting transfer.
    connectMaster();
    refresh(); // page 0: the address
    trigger("Edit1");
    EXPECT_TRUE(cancelShown());
    // What the user watches meanwhile is not greyed.
    EXPECT_TRUE(find("ProgressBar1")->isEnabled());
    window->enableMainWindow(); // the link failed
    end(TransferKind::Upload, TransferEnd::Restarting, TransferFault::LinkLost, 20, 1);
    trigger("Master2");
    EXPECT_FALSE(shared.requests.uploadRequest);
    EXPECT_EQ(caption(), UploadDroppedNotice);
    EXPECT_FALSE(cancelShown());

    trigger("Edit1");
    window->enableMainWindow();
    end(TransferKind::Upload, TransferEnd::Restarting, TransferFault::NoReply, 20, 2);
    trigger("CancelTransferKey"); // Esc
    EXPECT_FALSE(shared.requests.uploadRequest);
    EXPECT_EQ(caption(), TransferCancelledNotice);

    shared.requests.legalFileWriteRequest = true;
    end(TransferKind::LegalTable, TransferEnd::Restarting, TransferFault::LinkLost, 0, 1);
    find<QToolButton>("CancelTransfer")->click();
    EXPECT_EQ(std::pair(bool(shared.requests.legalFileWriteRequest), cancelShown()), std::pair(false, false));
}

// A chip remembering every request frame the link writes through it. It can hold the
// worker before one request goes out, so that a test acts mid-transfer however loaded
// the machine is.
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
            std::unique_lock lock(mutex);
            requests.push_back(r);
            if (r.command == holdCommand_ && r.index == holdBlock_) {
                held_ = true;
                // The bound only keeps a failed test from hanging.
                released_.wait_for(lock, std::chrono::minutes(2), [&] { return holdBlock_ < 0; });
            }
        }
        return chip_->write(data, count, written);
    }
    // The worker stops before it writes that request, until release().
    void holdBefore(Byte command, int block)
    {
        std::lock_guard lock(mutex);
        holdCommand_ = command;
        holdBlock_ = block;
    }
    bool holding()
    {
        std::lock_guard lock(mutex);
        return held_ && holdBlock_ >= 0;
    }
    void release()
    {
        std::lock_guard lock(mutex);
        holdBlock_ = -1;
        released_.notify_all();
    }
    std::mutex mutex;
    std::vector<Frame::Request> requests;

private:
    std::unique_ptr<Chip> chip_;
    std::condition_variable released_;
    Byte holdCommand_ = 0;
    int holdBlock_ = -1;
    bool held_ = false;
};

class TransfersWithSimulator : public WindowTest, public ::testing::WithParamInterface<simtest::Cable> {
protected:
    // A transfer in about four seconds. The link takes a reply after the pause that
    // follows its request, and much shorter pauses leave the simulator too little time.
    static constexpr double Pacing = 1.0; // the device's own: shorter pauses can cut replies short under load
    static constexpr int TransferMs = 30000;

    // Starts the link on the simulator; for a master, waits until it is found and has
    // told its address.
    bool start(simtest::SimulatorProcess& sim, bool master = true, double pacing = Pacing)
    {
        if (!sim.waitReady())
            return false;
        sim.useFromEnvironment();
        auto recording = std::make_unique<RecordingChip>(makeChipFromEnvironment());
        chip = recording.get();
        window->startLink(std::move(recording), pacing);
        return !master || spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000);
    }
    // Runs a transfer command and waits until it has ended, the window enabled again.
    // An Upload that a loaded machine's slow reply fails is restarted; the window is
    // enabled between the attempts, and its request stays raised until the last.
    bool transfer(const char* command)
    {
        if (QString(command) == "Download1")
            dialogs.choices = {"Download"};
        trigger(command);
        QWidget* controls = window->centralWidget();
        const auto done = [&] {
            return controls->isEnabled() && !shared.requests.uploadRequest && !shared.requests.downloadRequest;
        };
        return !controls->isEnabled() && spinUntil(done, 4 * TransferMs);
    }
    // The requests of that command the link has written, in order; with `match`, those whose
    // payload it accepts.
    std::vector<Frame::Request> sent(Byte command, const std::function<bool(const std::vector<Byte>&)>& match = {})
    {
        std::lock_guard lock(chip->mutex);
        std::vector<Frame::Request> out;
        std::copy_if(chip->requests.begin(), chip->requests.end(), std::back_inserter(out),
                     [&](const Frame::Request& r) { return r.command == command && (!match || match(r.payload)); });
        return out;
    }
    // Opens a file of distinct bytes (each block holds both bytes that travel escaped).
    std::string openPlan(int seed = 0)
    {
        std::string content(ConfigImage::Size, '\0');
        for (std::size_t i = 0; i < content.size(); ++i)
            content[i] = char(i * 7 + i / ConfigImage::BlockSize + std::size_t(seed));
        write("plan.cfi", content);
        dialogs.answers.push_back(tmp.filePath("plan.cfi"));
        trigger("Open1");
        return content;
    }
    std::string told() const
    {
        return dialogs.warnings.empty() ? "nothing" : dialogs.warnings.back().second.toStdString();
    }
    // Whether the master's memory came to hold content; on failure, says what the user was told.
    ::testing::AssertionResult holds(simtest::SimulatorProcess& sim, const std::string& content)
    {
        if (spinUntil([&] { return sim.dump("config.bin").toStdString() == content; }, TransferMs))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "told: " << told();
    }
    // Starts a Download once the master is connected and has told its address, and holds
    // the link before that block goes out. Not run again when it fails: the failure says
    // whether the link had lost the master or what the user was told.
    ::testing::AssertionResult downloadHeldBefore(int block)
    {
        chip->holdBefore(Frame::WriteConfig, block);
        if (!spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000))
            return ::testing::AssertionFailure() << "no master with an address within 10 s: the link lost it";
        dialogs.warnings.clear();
        dialogs.choices = {"Download"};
        trigger("Download1");
        spinUntil([&] { return chip->holding() || !dialogs.warnings.empty(); }, 2 * TransferMs);
        if (chip->holding())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the Download did not reach block " << block << ", told: " << told();
    }
    RecordingChip* chip = nullptr; // goes with the link: not after stopLink() or close
};

// SIGTERM in the middle of a Download lets it finish; then the window closes and the
// program ends. The link
// waits before block 100 until the request is seen, so the Download is still running
// when it comes, whatever the machine's load, and the rest is well inside the closing
// guard's fallback. Such a Download cannot be run again: the link waits twice the
// device's pause for each reply, so that a simulator starved of CPU still answers.
TEST_P(TransfersWithSimulator, SigtermMidDownloadLetsItFinishThenEnds)
{
    routeProgramEnd(*qobject_cast<QApplication*>(QCoreApplication::instance()), *window);
    simtest::SimulatorProcess sim({}, GetParam());
    ASSERT_TRUE(start(sim, true, 2 * Pacing)) << sim.problem();
    const std::string content = openPlan(0x5A);
    ASSERT_TRUE(downloadHeldBefore(100));
    std::raise(SIGTERM);
    ASSERT_TRUE(spinUntil([&] { return caption() == ClosingNotice; }, TransferMs));
    EXPECT_EQ(closings, 0);
    chip->release();
    // Qt alone ends the program when its last visible window closes; no window is shown
    // here (showing starts Qt's pooled threads), so only the window's own signal ends it.
    QTimer::singleShot(4 * TransferMs, window.get(), [] { QCoreApplication::exit(1); }); // instead of hanging
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(holds(sim, content)); // all 128 blocks (the chip went with the link)
}

// An Upload saved is the master's memory; a Download puts a file there. Each completed
// Upload and Download is kept once; a Download whose reply goes missing at block 39
// says where, is marked partial and is kept as partial, with the image it was writing.
TEST_P(TransfersWithSimulator, TransfersAreKeptInTheHistoryAndAMissingReplyMarksAPartialDownload)
{
    simtest::SimulatorProcess sim({}, GetParam());
    ASSERT_TRUE(start(sim)) << sim.problem();
    ASSERT_TRUE(transfer("Edit1"));
    dialogs.answers.push_back(tmp.filePath("master"));
    trigger("Save1");
    EXPECT_EQ(read("master.cfi"), sim.dump("config.bin").toStdString());
    ASSERT_TRUE(transfer("Edit1")); // the same image again
    const std::string plan = openPlan();
    ASSERT_TRUE(transfer("Download1"));
    EXPECT_TRUE(holds(sim, plan));

    const std::string cut = openPlan(1);
    ASSERT_TRUE(downloadHeldBefore(39));
    ASSERT_TRUE(sim.control("silence 1"));
    chip->release();
    ASSERT_TRUE(spinUntil([&] { return !dialogs.warnings.empty(); }, TransferMs));
    const int unanswered = sent(Frame::WriteConfig).back().index;
    EXPECT_EQ(dialogs.warnings.back(),
              Box("Errore", QStringLiteral("The master did not answer at block %1 of 128: the master now holds a "
                                           "partial configuration. Download again.")
                                .arg(unanswered)));
    window->stopLink();

    const QString partial = "2026-03-15_09.08.07_master-0_download-partial_3.cfi";
    EXPECT_EQ(QDir(tmp.filePath("history")).entryList(QDir::Files),
              QStringList(
                  {partial, "2026-03-15_09.08.07_master-0_download_2.cfi", "2026-03-15_09.08.07_master-0_upload.cfi"}));
    EXPECT_EQ(read("history/" + partial.toStdString()), cut);
}

// At master 2: master 1's configuration is asked about, and No writes no block; Load
// Default drops an Upload cut by an unplug, which is not started again once the master
// is back. The window shows the master's levels and sends a moved slider; it closes
// mid-poll, the link with it.
TEST_P(TransfersWithSimulator, MasterTwoRefusesOthersConfigurationsDropsACutUploadAndTakesASlider)
{
    simtest::SimulatorProcess one({"--address", "1"}, GetParam());
    ASSERT_TRUE(start(one)) << one.problem();
    ASSERT_TRUE(transfer("Edit1"));
    window->stopLink();
    simtest::SimulatorProcess two({"--address", "2"}, GetParam());
    ASSERT_TRUE(start(two)) << two.problem();
    trigger("Download1"); // unanswered: Esc presses No
    ASSERT_EQ(dialogs.choiceBoxes.size(), 1u);
    EXPECT_TRUE(dialogs.choiceBoxes[0].text.endsWith(
        "This configuration was read from master 1; the connected master is 2. Download anyway?"))
        << dialogs.choiceBoxes[0].text.toStdString();
    EXPECT_TRUE(window->centralWidget()->isEnabled());

    trigger("Edit1");
    ASSERT_TRUE(spinUntil([&] { return sent(Frame::ReadConfig).size() > 16; }, TransferMs));
    ASSERT_TRUE(two.control("unplug 1"));
    ASSERT_TRUE(spinUntil([&] { return shared.connectionState == ConnectionState::NotConnected; }));
    trigger("Master1");
    ASSERT_TRUE(two.waitReady(5000));
    ASSERT_TRUE(spinUntil([&] { return shared.connectionState == ConnectionState::Connected; }, 10000));
    const std::size_t reads = sent(Frame::ReadConfig).size();
    serveEventsFor(1500);
    EXPECT_EQ(sent(Frame::ReadConfig).size(), reads);
    EXPECT_TRUE(sent(Frame::WriteConfig).empty());
    ConfigImage defaults;
    buildDefaultConfiguration(defaults, 1);
    EXPECT_EQ(workspace->config(), defaults);

    auto* tuner = find<QSlider>("LevelSliders9");
    ASSERT_TRUE(spinUntil([&] { return tuner->value() == 10; })); // the simulator's third music source
    tuner->setValue(14);
    EXPECT_TRUE(spinUntil([&] {
        return !sent(Frame::WriteStatus, [](const std::vector<Byte>& page) {
                    return page.size() == StatusBlock::PageSize && page[StatusBlock::MusicSourceLevels + 2] == 14;
                }).empty();
    }));
    window->close();
    window.reset(); // destroying it after close is harmless
}

// Every 40th reply truncated: no Upload can complete. An unplug while polling is seen.
TEST_P(TransfersWithSimulator, AFailingUploadGivesUpAfterThreeRestartsEscCancelsOneAndAnUnplugIsSeen)
{
    simtest::SimulatorProcess sim({"--truncate-every", "40"}, GetParam());
    ASSERT_TRUE(start(sim)) << sim.problem();
    const ConfigImage before = workspace->config();
    trigger("Edit1");
    // The warning's text: FailuresAreToldAPartialDownloadStaysMarkedAndARestartCanBeWithdrawn.
    ASSERT_TRUE(spinUntil([&] { return !dialogs.warnings.empty(); }, 4 * TransferMs));
    EXPECT_EQ(workspace->config(), before);

    ASSERT_TRUE(spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000));
    trigger("Edit1");
    ASSERT_TRUE(
        spinUntil([&] { return text("StatusBar1Panel3") == "Upload: restart 1 of 3, Esc cancels"; }, TransferMs));
    const std::size_t polls = sent(Frame::ReadStatus).size();
    trigger("CancelTransferKey");
    // A running attempt stops at its next block, and the link polls again.
    ASSERT_TRUE(spinUntil([&] { return sent(Frame::ReadStatus).size() > polls; }, TransferMs));
    const std::size_t reads = sent(Frame::ReadConfig).size();
    serveEventsFor(1500);
    EXPECT_EQ(std::tuple(sent(Frame::ReadConfig).size(), dialogs.warnings.size()), std::tuple(reads, 1u));
    ASSERT_TRUE(sim.control("unplug 1")); // while polling: the next request finds the line gone
    EXPECT_TRUE(spinUntil([&] { return shared.connectionState == ConnectionState::NotConnected; }));
    window->stopLink();
}

// The generator's live command and its summer-time table, the transfers of generator mode.
TEST_P(TransfersWithSimulator, GeneratorPlaysOnTheHeadphoneAndTakesTheSummerTimeTable)
{
    ASSERT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    ASSERT_TRUE(loadLegalFile(workspace->legalFile(), path("LEGAL.BIN")).ok);

    simtest::SimulatorProcess sim({"--generator"}, GetParam());
    ASSERT_TRUE(start(sim, false));
    auto* list = find<QComboBox>("CBMsgList");
    ASSERT_TRUE(spinUntil([&] { return window->generatorMode() && list->count() == 5; }, 10000));
    list->setCurrentIndex(3);
    find<QPushButton>("SPstartHP")->click();
    EXPECT_TRUE(spinUntil([&] {
        return !sent(Frame::WriteStatus, [](const std::vector<Byte>& g) {
                    return g.size() == GeneratorStatus::Size
                           && (g[GeneratorStatus::Command] & GeneratorStatus::CmdPlayHeadphone)
                           && g[GeneratorStatus::PlayMessage] == 10;
                }).empty();
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

// Record starts and stops from the window, says so in the status bar, keeps what the link
// read on either cable; a folder it cannot write into is said and nothing is recorded.
TEST_P(TransfersWithSimulator, RecordFromTheWindowKeepsTheReadsAndSaysWhatItDoes)
{
    const struct Site {
        QString before = QDir::currentPath();
        ~Site() { QDir::setCurrent(before); }
    } site;
    QDir::setCurrent(tmp.path());
    simtest::SimulatorProcess sim({"--address", "2"}, GetParam());
    ASSERT_TRUE(start(sim)) << sim.problem();
    auto* record = find<QAction>("Record1");
    trigger("Record1");
    EXPECT_TRUE(record->isChecked());
    EXPECT_TRUE(text("RecordingText").startsWith("Recording 0:00:0")) << text("RecordingText").toStdString();
    const QString path = QDir(tmp.filePath("recordings")).entryList(QDir::Files).value(0);
    QString error;
    auto reader = RecordingReader::open(tmp.filePath("recordings/" + path), &error);
    ASSERT_TRUE(reader) << error.toStdString();
    ASSERT_TRUE(spinUntil([&] { return reader->refresh(), reader->readCount() >= 8; }, 10000));
    trigger("Record1");
    EXPECT_FALSE(record->isChecked());
    EXPECT_TRUE(text("RecordingText").startsWith("Recorded ")) << text("RecordingText").toStdString();
    QStringList opened; // a click on the text shows the recording, whatever the Report menu's state
    window->setRecordingOpener([&](const QString& file) { opened << file; });
    mouse(find<QWidget>("RecordingText"), QEvent::MouseButtonPress, Qt::RightButton);
    mouse(find<QWidget>("RecordingText"), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{tmp.filePath("recordings/" + path)});
    reader->refresh();
    const RecordedStatus last = reader->statusAt(reader->span().lastMs);
    EXPECT_EQ(std::tuple(last.device, last.master.masterAddress()), std::tuple(RecordedDevice::Master, 2));
    EXPECT_EQ(reader->meta().siteName, QDir(tmp.path()).dirName());

    ASSERT_TRUE(QDir(tmp.path()).rename("recordings", "kept"));
    write("recordings", "a file where the folder goes");
    trigger("Record1");
    EXPECT_FALSE(record->isChecked());
    EXPECT_TRUE(text("RecordingText").startsWith("Not recording: ")) << text("RecordingText").toStdString();
    window->stopLink();
}

INSTANTIATE_TEST_SUITE_P(Cable, TransfersWithSimulator, simtest::BothCables, simtest::cableTestName);

} // namespace
} // namespace q7582::test
