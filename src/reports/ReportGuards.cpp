#include "reports/ReportGuards.h"

namespace q7582 {

namespace {

const QString AskAgain = QStringLiteral(", then choose the report again.");

QString refusal(const QString& caption, const QString& nextStep) { return caption + u'\n' + nextStep + AskAgain; }

QString noMaster()
{
    return refusal(QStringLiteral("No master connected"), QStringLiteral("Connect the PC to a master"));
}

} // namespace

std::optional<QString> statusReportRefusal(ConnectionState connectionState)
{
    if (connectionState != ConnectionState::Connected)
        return noMaster();
    return std::nullopt;
}

std::optional<QString> configurationReportRefusal(ConnectionState connectionState, const Provenance& provenance,
                                                  Byte currentAddressChime)
{
    if (connectionState != ConnectionState::Connected)
        return noMaster();
    if (provenance.origin != ConfigOrigin::OriginMaster)
        return refusal(QStringLiteral("Configuration not Uploaded"),
                       QStringLiteral("A configuration report shows what the connected master holds: Upload its "
                                      "configuration (Config / Upload)"));
    if (provenance.modified)
        return refusal(QStringLiteral("Configuration modified"),
                       QStringLiteral("The configuration was edited since the Upload: Download it to the master, or "
                                      "Upload the master's again (Config / Upload)"));
    if (provenance.uploadedMasterByte != currentAddressChime)
        return refusal(QStringLiteral("Configuration is not uploaded from the connected master"),
                       QStringLiteral("Another master is connected, or its address or chime was changed since the "
                                      "Upload: Upload again (Config / Upload)"));
    return std::nullopt;
}

} // namespace q7582
