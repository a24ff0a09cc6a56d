#pragma once
// What the configuration transfers leave in the history, the same for the window and
// the terminal commands: each completed Upload, and each Download, complete or cut (then
// partial). The image a Download sends is kept from its start, so that a cut one is
// recorded even when the configuration in memory changes afterwards. A history that
// cannot be written never stops a transfer, and is told once: after a failed write the
// next failures stay quiet until a write succeeds again.

#include "history/ConfigHistory.h"

#include <optional>

namespace q7582 {

class TransferHistory {
public:
    explicit TransferHistory(const ConfigHistory& history) : history_(history) {}

    struct Recorded {
        HistoryWrite write;
        bool tell = false; // a failure the user has not heard of yet
    };

    Recorded uploadCompleted(const ConfigImage& image, int master, const QDateTime& now);
    // The image a Download sends to that master.
    void downloadStarting(const ConfigImage& image, int master);
    // The running Download ended, complete or cut; nothing when none was running.
    std::optional<Recorded> downloadEnded(bool complete, const QDateTime& now);
    bool downloadRunning() const { return download_.has_value(); }

private:
    struct Download {
        ConfigImage image;
        int master = 0;
    };
    Recorded keep(const HistoryWrite& write);

    const ConfigHistory& history_;
    std::optional<Download> download_;
    bool failing_ = false;
};

} // namespace q7582
