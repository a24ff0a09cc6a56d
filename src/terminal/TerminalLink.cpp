#include "terminal/TerminalLink.h"

#include "app/TerminationSignals.h"
#include "link/LinkThread.h"

#include <QEventLoop>
#include <QTimer>
#include <unistd.h>

namespace q7582 {

namespace {
// How often a wait looks at the clock when nothing else wakes it.
constexpr int TickMs = 50;
} // namespace

TerminalLink::TerminalLink()
    : termination_(std::make_unique<TerminationSignals>([this] {
          ++signals_;
          wake();
      })),
      progress_(::isatty(STDERR_FILENO) == 1)
{
}

TerminalLink::~TerminalLink() { stop(); }

void TerminalLink::start(std::unique_ptr<Chip> chip)
{
    link_ = std::make_unique<LinkThread>(shared_, *this, std::move(chip));
    link_->startLink();
}

void TerminalLink::stop()
{
    if (!link_)
        return;
    link_->shutdown();
    link_.reset();
    progress_.finish();
}

bool TerminalLink::waitUntil(const std::function<bool()>& done, std::optional<Clock::time_point> deadline)
{
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(TickMs);
    loop_ = &loop;
    while (!done() && (!deadline || Clock::now() < *deadline))
        loop.exec();
    loop_ = nullptr;
    return done();
}

// An observer call or a signal: the wait looks again at once.
void TerminalLink::wake()
{
    if (loop_)
        loop_->quit();
}

TerminalLink::Clock::duration TerminalLink::masterMissingFor() const
{
    return missingSince_ ? Clock::now() - *missingSince_ : Clock::duration::zero();
}

void TerminalLink::repaintStatusBar()
{
    connectedMaster_.connectionShown(shared_);
    const bool master = shared_.connectionState == ConnectionState::Connected && !generator_;
    if (master)
        missingSince_.reset();
    else if (!missingSince_)
        missingSince_ = Clock::now();
    wake();
}

void TerminalLink::statusDisplayRefresh()
{
    shared_.justConnected = false; // as the window's refresh: nothing here writes a status page
    connectedMaster_.statusRefreshed(shared_);
    wake();
}

void TerminalLink::enterGeneratorMode()
{
    generator_ = true;
    missingSince_ = Clock::now();
    wake();
}

void TerminalLink::enterMasterMode() { generator_ = false; }

void TerminalLink::disableMainWindow()
{
    configSteps_ = 0;
    blocks_ = 0;
}

void TerminalLink::showActivity()
{
    const Activity activity = shared_.activityIndex;
    if (activity != Activity::ConfigDL && activity != Activity::ConfigUL)
        return;
    // The first is shown as the transfer begins, then one after each block.
    blocks_ = configSteps_++;
    progress_.show(activity == Activity::ConfigDL ? QStringLiteral("Download") : QStringLiteral("Upload"), blocks_);
}

void TerminalLink::copyConfigForDownload(ConfigImage& out)
{
    out = downloadImage_;
    downloadBegun_ = true;
}

void TerminalLink::uploadCompleted(const ConfigImage& received, Byte addressChime)
{
    uploaded_ = received;
    addressChime_ = addressChime;
}

void TerminalLink::downloadCompleted(Byte addressChime) { addressChime_ = addressChime; }

void TerminalLink::transferEnded(const TransferReport& report)
{
    if (report.end == TransferEnd::Completed) {
        blocks_ = ConfigImage::BlockCount;
        progress_.show(report.kind == TransferKind::Download ? QStringLiteral("Download") : QStringLiteral("Upload"),
                       blocks_);
    }
    progress_.finish();
    if (report.end == TransferEnd::Restarting)
        restart_ = report;
    else
        lastEnd_ = report;
    wake();
}

} // namespace q7582
