#pragma once
// The link as a terminal command uses it: the window's worker thread (LinkThread) with
// an observer that keeps what a command needs instead of showing it, run by a
// QCoreApplication. Waiting serves the worker's calls; the termination signals are
// counted, so that a command decides what each one means.

#include "link/Chip.h"
#include "link/ConnectedMaster.h"
#include "link/LinkObserver.h"
#include "link/LinkShared.h"
#include "terminal/TerminalProgress.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QEventLoop;

namespace q7582 {

class LinkThread;
class TerminationSignals;

class TerminalLink : public LinkObserver {
public:
    using Clock = std::chrono::steady_clock;

    TerminalLink();
    ~TerminalLink() override;
    TerminalLink(const TerminalLink&) = delete;
    TerminalLink& operator=(const TerminalLink&) = delete;

    LinkShared& shared() { return shared_; }
    // Starts the worker on the chip.
    void start(std::unique_ptr<Chip> chip);
    // Stops the worker whatever it does; a running Download is cut.
    void stop();

    // Serves the worker and the signals until done() holds or the deadline passes.
    bool waitUntil(const std::function<bool()>& done, std::optional<Clock::time_point> deadline = std::nullopt);
    // The connected master's address, once its status has been read.
    std::optional<int> masterAddress() { return connectedMaster_.address(shared_); }
    bool generatorConnected() const { return generator_; }
    // How long no master has answered, zero while one does.
    Clock::duration masterMissingFor() const;
    // SIGINT, SIGTERM and SIGHUP received so far.
    int signalCount() const { return signals_; }

    // The image the next Download sends.
    void setDownloadImage(const ConfigImage& image) { downloadImage_ = image; }
    // What the transfers handed over and how the last one ended.
    bool downloadBegun() const { return downloadBegun_; }
    const std::optional<ConfigImage>& uploaded() const { return uploaded_; }
    Byte addressChime() const { return addressChime_; }
    const std::optional<TransferReport>& lastEnd() const { return lastEnd_; }
    // Each report of a transfer that failed and starts again, until taken.
    std::optional<TransferReport> takeRestart() { return std::exchange(restart_, std::nullopt); }
    int blocksDone() const { return blocks_; }

    // LinkObserver: every call runs on the main thread.
    void repaintStatusBar() override;
    void showActivity() override;
    void statusDisplayRefresh() override;
    void generatorPanelRefresh() override {}
    void enableMainWindow() override {}
    void disableMainWindow() override;
    void captionRefresh() override {}
    void enterGeneratorMode() override;
    void enterMasterMode() override;
    void copyConfigForDownload(ConfigImage& out) override;
    void copyLegalFileImage(LegalFileImage&) override {} // a command never sends the table
    void uploadCompleted(const ConfigImage& received, Byte addressChime) override;
    void downloadCompleted(Byte addressChime) override;
    void transferEnded(const TransferReport& report) override;

private:
    void wake();

    LinkShared shared_;
    std::unique_ptr<LinkThread> link_;
    std::unique_ptr<TerminationSignals> termination_;
    ConnectedMaster connectedMaster_;
    TerminalProgress progress_;
    bool generator_ = false;
    std::optional<Clock::time_point> missingSince_ = Clock::now();
    int signals_ = 0;
    QEventLoop* loop_ = nullptr; // the wait running, if any

    ConfigImage downloadImage_;
    bool downloadBegun_ = false;
    std::optional<ConfigImage> uploaded_;
    Byte addressChime_ = 0;
    std::optional<TransferReport> lastEnd_, restart_;
    int configSteps_ = 0; // activity shown since the configuration transfer began
    int blocks_ = 0;
};

} // namespace q7582
