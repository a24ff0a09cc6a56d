// Closing the window around transfers and unsaved changes, and what the window shows
// when a transfer fails, restarts or is dropped. The link is played by the test.

#include "WindowFixture.h"
#include "app/TerminationSignals.h"
#include "ui/main/TransferMessages.h"

#include <QDir>
#include <QToolButton>
#include <csignal>

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
    EXPECT_EQ(dialogs.questions, QStringList{ForceCloseQuestion});
    EXPECT_EQ(closings, 0);
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
    ASSERT_TRUE(QDir(dir.path()).mkdir("history"));
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
            dialogs.answers << dir.filePath(c.file);
        }
        trigger(c.command);
        dialogs.questions.clear();
        trigger("Download1");
        const QStringList question{
            QStringLiteral("This configuration was read from master %1; the connected master is 2. Download anyway?")
                .arg(c.asked)};
        EXPECT_EQ(dialogs.questions, c.asked < 0 ? QStringList() : question) << c.asked;
        EXPECT_EQ(shared.requests.downloadRequest.exchange(false), c.asked < 0);
        window->enableMainWindow();
    }
    window->uploadCompleted(ConfigImage{}, 0x81); // kept beside other masters' entries; asked
    dialogs.yeses = 1;
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
    EXPECT_EQ(QDir(dir.filePath("history")).entryList(QDir::Files),
              QStringList({partial, "2026-03-15_09.08.07_master-0_download.cfi"}));
    EXPECT_EQ(read("history/" + partial.toStdString()), bytesOf(sent));

    ASSERT_TRUE(QDir(dir.filePath("history")).removeRecursively());
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

TEST_F(ClosingAndTransfers, FailuresAreToldAPartialDownloadStaysMarkedAndARestartCanBeWithdrawn)
{
    end(TransferKind::Download, TransferEnd::Failed, TransferFault::NoReply, 40);
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 0 - PARTIAL DOWNLOAD");
    EXPECT_EQ(window->windowTitle(), "Q7582 Manager - PARTIAL DOWNLOAD");
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
    end(TransferKind::Upload, TransferEnd::Completed);
    EXPECT_EQ(window->windowTitle(), "Q7582 Manager");
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
    EXPECT_FALSE(shared.requests.legalFileWriteRequest);
    EXPECT_FALSE(cancelShown());
}

} // namespace
} // namespace q7582::test
