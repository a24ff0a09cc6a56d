#pragma once
// The commands run from a terminal instead of the window: upload, download, status and
// history. Each runs headless (a QCoreApplication, no display) in the working folder,
// under the one-manager lock, and reuses the window's link, history and reports.

#include "app/CommandLine.h"

namespace q7582 {

// Runs options.command and returns its TerminalExit status.
int runTerminalCommand(int argc, char** argv, const ManagerOptions& options);

} // namespace q7582
