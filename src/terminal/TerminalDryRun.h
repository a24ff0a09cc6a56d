#pragma once
// `download FILE --dry-run`: what a Download of FILE would change on a master, as far as
// the site's history knows what that master holds. Nothing is written.

#include "app/CommandLine.h"
#include "history/ConfigHistory.h"
#include "terminal/TerminalSites.h"

namespace q7582 {

// Prints the differences from master's newest complete entry to FILE: status 0 none,
// 1 some, 2 when what the master holds is unknown or a file cannot be read.
int runDryRun(const ManagerOptions& options, int master, bool connected, const OpenSite& site,
              const ConfigHistory& history);

} // namespace q7582
