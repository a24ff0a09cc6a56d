#pragma once
// How a transfer ended, in words: the window's "Errore" box and the terminal commands
// say the same.

#include "link/TransferReport.h"

#include <QString>

namespace q7582 {

// A transfer that failed for good, such as "The master did not answer at block 40 of
// 128: the master now holds a partial configuration. Download again."
QString transferFailureText(const TransferReport& report);
// What happened: "The link was lost at block 12 of 128".
QString whatHappened(const TransferReport& report);

} // namespace q7582
