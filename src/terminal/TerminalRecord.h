#pragma once
// `record`: every status read, the connection's changes and what this program wrote,
// into a recording, until --for has passed or a termination signal.

#include "app/CommandLine.h"
#include "terminal/TerminalLink.h"
#include "terminal/TerminalSites.h"

namespace q7582 {

int runRecord(TerminalLink& link, const ManagerOptions& options, const OpenSite& site);

} // namespace q7582
