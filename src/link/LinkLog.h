#pragma once
// Diagnostics of the link, category q7582.link: off unless switched on with
// QT_LOGGING_RULES="q7582.*=true" or --verbose. A healthy poll logs nothing.

#include "link/Chip.h"
#include "link/FrameCodec.h"

#include <QLoggingCategory>

namespace q7582 {

Q_DECLARE_LOGGING_CATEGORY(lcLink)

const char* transferResultName(TransferResult result);

// An open attempt: logged when it succeeds, or when the reason it fails has changed,
// so the 500 ms retries while no device is there stay quiet.
void logDeviceOpen(const Chip& chip, bool opened, bool failureChanged);

// A frame that did not go out or come back as expected.
void logTransferFailure(const Chip& chip, const char* step, Byte command, Byte index, TransferResult result);

} // namespace q7582
