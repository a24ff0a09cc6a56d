#include "history/TransferHistory.h"

namespace q7582 {

TransferHistory::Recorded TransferHistory::keep(const HistoryWrite& write)
{
    const bool tell = !write.result.ok && !failing_;
    failing_ = !write.result.ok;
    return {write, tell};
}

TransferHistory::Recorded TransferHistory::uploadCompleted(const ConfigImage& image, int master, const QDateTime& now)
{
    return keep(history_.record(image, master, HistoryDirection::Upload, false, now));
}

void TransferHistory::downloadStarting(const ConfigImage& image, int master) { download_ = Download{image, master}; }

std::optional<TransferHistory::Recorded> TransferHistory::downloadEnded(bool complete, const QDateTime& now)
{
    if (!download_)
        return std::nullopt;
    const Download sent = std::move(*download_);
    download_.reset();
    return keep(history_.record(sent.image, sent.master, HistoryDirection::Download, !complete, now));
}

} // namespace q7582
