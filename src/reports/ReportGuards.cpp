#include "reports/ReportGuards.h"

#include "link/LinkShared.h"

namespace q7582 {

std::optional<QString> statusReportRefusal(int connectionState)
{
    if (connectionState != Connected)
        return QStringLiteral("No master connected");
    return std::nullopt;
}

std::optional<QString> configurationReportRefusal(int connectionState, const Provenance& provenance,
                                                  Byte currentAddressChime)
{
    if (connectionState != Connected)
        return QStringLiteral("No master connected");
    if (provenance.origin != ConfigOrigin::OriginMaster)
        return QStringLiteral("Configuration not Uploaded");
    if (provenance.modified)
        return QStringLiteral("Configuration modified");
    if (provenance.uploadedMasterByte != currentAddressChime)
        return QStringLiteral("Configuration is not uploaded from the connected master");
    return std::nullopt;
}

} // namespace q7582
