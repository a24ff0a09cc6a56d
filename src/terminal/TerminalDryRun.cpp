#include "terminal/TerminalDryRun.h"

#include "history/MasterHoldings.h"
#include "reports/ComparisonCommand.h"
#include "terminal/TerminalOutput.h"
#include "terminal/TerminalTransfers.h"

#include <cstdio>

namespace q7582 {

int runDryRun(const ManagerOptions& options, int master, bool connected, const OpenSite& site,
              const ConfigHistory& history)
{
    const MasterHolds holds = whatMasterHolds(history, master);
    if (!holds.entry) {
        say(holds.unknownReason);
        say(TerminalText::tr("What master %1 holds is unknown: read it first (qs7582 upload with it connected).")
                .arg(master));
        return TerminalExit::BadUsageOrFile;
    }
    const ComparisonCommandOutput compared =
        runComparisonCommand(QString::fromStdString(history.pathOf(holds.entry->fileName)), options.file);
    std::fputs(compared.err.toLocal8Bit().constData(), stderr);
    if (compared.exitCode == ComparisonExit::Failed)
        return TerminalExit::BadUsageOrFile;
    for (const QString& objection : downloadObjections(options.file, master, connected, site))
        say(objection + TerminalText::tr(" A Download would need --force."));
    printResult(downloadPreviewText(master, holds, compared.differences));
    std::fputs(compared.out.toLocal8Bit().constData(), stdout);
    return compared.exitCode; // 0 the same, 1 different, as --compare
}

} // namespace q7582
