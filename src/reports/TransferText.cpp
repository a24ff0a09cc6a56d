#include "reports/TransferText.h"

#include "model/ConfigImage.h"

#include <QCoreApplication>

namespace q7582 {

namespace {

struct Transfer {
    Q_DECLARE_TR_FUNCTIONS(TransferText)
};

} // namespace

QString whatHappened(const TransferReport& r)
{
    const bool master = isConfigurationTransfer(r.kind);
    QString text;
    switch (r.fault) {
    case TransferFault::NoReply:
        text =
            master ? Transfer::tr("The master did not answer") : Transfer::tr("The message generator did not answer");
        break;
    case TransferFault::Busy:
        text = master ? Transfer::tr("The master stayed busy") : Transfer::tr("The message generator stayed busy");
        break;
    case TransferFault::BadReply:
        text = master ? Transfer::tr("The master gave a garbled reply")
                      : Transfer::tr("The message generator gave a garbled reply");
        break;
    case TransferFault::LinkError:
        text = Transfer::tr("The link failed");
        break;
    case TransferFault::LinkLost:
    case TransferFault::None:
        text = Transfer::tr("The link was lost");
        break;
    }
    if (master)
        text = Transfer::tr("%1 at block %2 of %3").arg(text).arg(r.block).arg(ConfigImage::BlockCount);
    return text;
}

QString transferFailureText(const TransferReport& report)
{
    const QString happened = whatHappened(report);
    const QString givenUp = Transfer::tr("%1, again after %2 restarts").arg(happened).arg(TransferReport::MaxRestarts);
    switch (report.kind) {
    case TransferKind::Download:
        return Transfer::tr("%1: the master now holds a partial configuration. Download again.").arg(happened);
    case TransferKind::Upload:
        return Transfer::tr("%1: the Upload was given up. The configuration in memory is unchanged.").arg(givenUp);
    case TransferKind::GeneratorWrite:
        return Transfer::tr("%1: the command was not sent.").arg(givenUp);
    case TransferKind::LegalTable:
        break;
    }
    return Transfer::tr("%1: the summer-time table was not sent.").arg(givenUp);
}

} // namespace q7582
