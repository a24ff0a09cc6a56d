#pragma once
// `qs7582 events RECORDING [--csv] [--from TIME] [--to TIME]`: the changes of a recording,
// streamed to standard output. Needs neither the device nor the lock: it writes nothing.

#include "app/CommandLine.h"

namespace q7582 {

// 0 done, 1 standard output could not be written, 2 not a recording (the reader's reason).
int runEvents(const ManagerOptions& options);

} // namespace q7582
