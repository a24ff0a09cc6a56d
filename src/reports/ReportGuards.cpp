#include "reports/ReportGuards.h"

namespace q7582 {

namespace {

struct Guards {
    Q_DECLARE_TR_FUNCTIONS(ReportGuards)
};

QString refusal(const QString& caption, const QString& nextStep)
{
    return caption + u'\n' + Guards::tr("%1, then choose the report again.").arg(nextStep);
}

QString noMaster() { return refusal(Guards::tr("No master connected"), Guards::tr("Connect the PC to a master")); }

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
        return refusal(Guards::tr("Configuration not Uploaded"),
                       Guards::tr("A configuration report shows what the connected master holds: Upload its "
                                  "configuration (Config / Upload)"));
    if (provenance.modified)
        return refusal(Guards::tr("Configuration modified"),
                       Guards::tr("The configuration was edited since the Upload: Download it to the master, or "
                                  "Upload the master's again (Config / Upload)"));
    if (provenance.uploadedMasterByte != currentAddressChime)
        return refusal(Guards::tr("Configuration is not uploaded from the connected master"),
                       Guards::tr("Another master is connected, or its address or chime was changed since the "
                                  "Upload: Upload again (Config / Upload)"));
    return std::nullopt;
}

} // namespace q7582
