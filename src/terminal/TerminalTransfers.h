#pragma once
// The steps the terminal commands share with the device: a master found in time, and
// the two configuration transfers, each ending in an exit status.

#include "app/CommandLine.h"
#include "history/ConfigHistory.h"
#include "terminal/TerminalLink.h"

#include <optional>

namespace q7582 {

// Starts the link and waits up to waitSeconds for a master that has told its address.
// Nothing when one did; otherwise the exit status, once the reason has been said.
std::optional<int> awaitMaster(TerminalLink& link, int waitSeconds);

// `upload [-o FILE]`: the configuration into the history and FILE; prints where it went.
int runUpload(TerminalLink& link, const ManagerOptions& options, const ConfigHistory& history);
// `download FILE`: the image (FILE's content, read already) to the connected master.
int runDownload(TerminalLink& link, const ManagerOptions& options, const ConfigImage& image,
                const ConfigHistory& history);

} // namespace q7582
