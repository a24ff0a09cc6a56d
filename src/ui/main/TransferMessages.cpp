#include "ui/main/TransferMessages.h"

namespace q7582 {

namespace {

QString transferName(TransferKind kind)
{
    switch (kind) {
    case TransferKind::Upload:
        return QStringLiteral("Upload");
    case TransferKind::Download:
        return QStringLiteral("Download");
    case TransferKind::GeneratorWrite:
        return QStringLiteral("Generator command");
    case TransferKind::LegalTable:
        break;
    }
    return QStringLiteral("Summer-time table");
}

} // namespace

QString transferRestartText(const TransferReport& report)
{
    return QStringLiteral("%1: restart %2 of %3, Esc cancels")
        .arg(transferName(report.kind))
        .arg(report.restarts)
        .arg(TransferReport::MaxRestarts);
}

} // namespace q7582
