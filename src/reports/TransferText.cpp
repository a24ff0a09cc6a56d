#include "reports/TransferText.h"

#include "model/ConfigImage.h"

namespace q7582 {

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

} // namespace q7582
