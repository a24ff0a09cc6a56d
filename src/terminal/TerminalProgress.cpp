#include "terminal/TerminalProgress.h"

#include "model/ConfigImage.h"
#include "terminal/TerminalOutput.h"

#include <cstdio>

namespace q7582 {

namespace {
constexpr int BarWidth = 32;
}

TerminalProgress::TerminalProgress(bool onTerminal) : onTerminal_(onTerminal) {}

QString TerminalProgress::bar(const QString& transfer, int blocks)
{
    const int filled = blocks * BarWidth / ConfigImage::BlockCount;
    return TerminalText::tr("%1 [%2%3] %4/%5 blocks")
        .arg(transfer, QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char('.')))
        .arg(blocks, 3)
        .arg(ConfigImage::BlockCount);
}

void TerminalProgress::show(const QString& transfer, int blocks)
{
    if (!onTerminal_ || blocks == shown_)
        return;
    shown_ = blocks;
    std::fprintf(stderr, "\r%s", bar(transfer, blocks).toLocal8Bit().constData());
    std::fflush(stderr);
}

void TerminalProgress::finish()
{
    if (shown_ < 0)
        return;
    shown_ = -1;
    std::fputs("\n", stderr);
}

} // namespace q7582
