#pragma once
// The steps the terminal commands share with the device: a master found in time, and
// the two configuration transfers, each ending in an exit status.

#include "app/CommandLine.h"
#include "history/ConfigHistory.h"
#include "terminal/TerminalLink.h"
#include "terminal/TerminalSites.h"

#include <QStringList>

#include <optional>

namespace q7582 {

// Starts the link and waits up to waitSeconds for a master that has told its address.
// Nothing when one did; otherwise the exit status, once the reason has been said.
std::optional<int> awaitMaster(TerminalLink& link, int waitSeconds);

// `upload [-o FILE]`: the configuration into the history and FILE; prints where it went,
// and which other site keeps the same configuration.
int runUpload(TerminalLink& link, const ManagerOptions& options, const ConfigHistory& history, const OpenSite& site);
// `download FILE`: the image (FILE's content, read already) to the connected master.
int runDownload(TerminalLink& link, const ManagerOptions& options, const ConfigImage& image,
                const ConfigHistory& history, const OpenSite& site);

// What stands against writing file to master without --force: it is a history entry of
// another master, or a file of another known site. Each is one sentence.
QStringList downloadObjections(const QString& file, int master, bool connected, const OpenSite& site);

} // namespace q7582
