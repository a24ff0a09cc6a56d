#include "ui/main/TransferMessages.h"

#include "model/ConfigImage.h"

#include <QCoreApplication>

namespace q7582 {

QString transferCompletedText(TransferKind kind, int master)
{
    const int blocks = ConfigImage::BlockCount;
    if (kind == TransferKind::Download)
        return QCoreApplication::translate("TransferMessages", "Download complete: %1 blocks written to master %2")
            .arg(blocks)
            .arg(master);
    return QCoreApplication::translate("TransferMessages", "Upload complete: %1 blocks read from master %2")
        .arg(blocks)
        .arg(master);
}

QString transferRestartText(const TransferReport& report)
{
    return QCoreApplication::translate("TransferMessages", "%1: restart %2 of %3, Esc cancels")
        .arg(QCoreApplication::translate("TransferMessages", transferName(report.kind)))
        .arg(report.restarts)
        .arg(TransferReport::MaxRestarts);
}

} // namespace q7582
