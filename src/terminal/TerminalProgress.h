#pragma once
// The block count of a running configuration transfer as a bar redrawn in place on
// standard error, when that is a terminal; on a pipe or a file it shows nothing.

#include <QString>

namespace q7582 {

class TerminalProgress {
public:
    explicit TerminalProgress(bool onTerminal);

    // "Download [##########..........]  64/128 blocks"
    static QString bar(const QString& transfer, int blocks);

    void show(const QString& transfer, int blocks);
    // Ends the bar's line, if one was drawn.
    void finish();

private:
    bool onTerminal_;
    int shown_ = -1; // the blocks drawn last; -1: no bar on the line
};

} // namespace q7582
