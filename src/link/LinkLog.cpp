#include "link/LinkLog.h"

namespace q7582 {

// Info and debug are off until a rule switches the category on.
Q_LOGGING_CATEGORY(lcLink, "q7582.link", QtWarningMsg)

const char* transferResultName(TransferResult result)
{
    switch (result) {
    case TransferOk:
        return "ok";
    case TransferDeviceError:
        return "device error";
    case TransferShort:
        return "short";
    case TransferBusy:
        return "busy";
    case TransferBadFrame:
        return "bad frame";
    case TransferLengthMismatch:
        return "length mismatch";
    case TransferNoReply:
        return "no reply";
    case TransferMaster:
        return "master";
    case TransferGenerator:
        return "generator";
    }
    return "unknown";
}

void logDeviceOpen(const Chip& chip, bool opened, bool failureChanged)
{
    const QString device = QString::fromStdString(chip.description());
    if (opened) {
        qCInfo(lcLink).noquote() << "opened" << device;
        return;
    }
    if (!failureChanged)
        return;
    qCInfo(lcLink).noquote() << "cannot open" << device << "-" << openFailureName(chip.openFailure()) << "-"
                             << QString::fromStdString(chip.lastError());
}

void logTransferFailure(const Chip& chip, const char* step, Byte command, Byte index, TransferResult result)
{
    qCInfo(lcLink).noquote() << step << "command" << int(command) << "index" << int(index)
                             << "failed:" << transferResultName(result)
                             << "- chip:" << QString::fromStdString(chip.lastError());
}

} // namespace q7582
