#include "ui/main/TransferMessages.h"

#include "model/ConfigImage.h"

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

QString whatHappened(const TransferReport& r)
{
    const QString device =
        isConfigurationTransfer(r.kind) ? QStringLiteral("The master") : QStringLiteral("The message generator");
    QString text;
    switch (r.fault) {
    case TransferFault::NoReply:
        text = device + QStringLiteral(" did not answer");
        break;
    case TransferFault::Busy:
        text = device + QStringLiteral(" stayed busy");
        break;
    case TransferFault::BadReply:
        text = device + QStringLiteral(" gave a garbled reply");
        break;
    case TransferFault::LinkError:
        text = QStringLiteral("The link failed");
        break;
    case TransferFault::LinkLost:
    case TransferFault::None:
        text = QStringLiteral("The link was lost");
        break;
    }
    if (isConfigurationTransfer(r.kind))
        text += QStringLiteral(" at block %1 of %2").arg(r.block).arg(ConfigImage::BlockCount);
    return text;
}

QString transferFailureText(const TransferReport& report)
{
    const QString happened = whatHappened(report);
    const QString givenUp = QStringLiteral(", again after %1 restarts").arg(TransferReport::MaxRestarts);
    switch (report.kind) {
    case TransferKind::Download:
        return happened + QStringLiteral(": the master now holds a partial configuration. Download again.");
    case TransferKind::Upload:
        return happened + givenUp
               + QStringLiteral(": the Upload was given up. The configuration in memory is unchanged.");
    case TransferKind::GeneratorWrite:
        return happened + givenUp + QStringLiteral(": the command was not sent.");
    case TransferKind::LegalTable:
        break;
    }
    return happened + givenUp + QStringLiteral(": the summer-time table was not sent.");
}

QString transferCompletedText(TransferKind kind, int master)
{
    const int blocks = ConfigImage::BlockCount;
    if (kind == TransferKind::Download)
        return QStringLiteral("Download complete: %1 blocks written to master %2").arg(blocks).arg(master);
    return QStringLiteral("Upload complete: %1 blocks read from master %2").arg(blocks).arg(master);
}

QString transferRestartText(const TransferReport& report)
{
    return QStringLiteral("%1: restart %2 of %3, Esc cancels")
        .arg(transferName(report.kind))
        .arg(report.restarts)
        .arg(TransferReport::MaxRestarts);
}

} // namespace q7582
