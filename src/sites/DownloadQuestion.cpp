#include "sites/DownloadQuestion.h"

#include "history/ConfigFiles.h"
#include "history/MasterHoldings.h"
#include "sites/SiteOrigin.h"

#include <QCoreApplication>

namespace q7582 {

QString wrongMasterFact(int configurationMaster, int connectedMaster)
{
    return QCoreApplication::translate("DownloadQuestion",
                                       "This configuration was read from master %1; the connected master is %2.")
        .arg(configurationMaster)
        .arg(connectedMaster);
}

namespace {

QStringList objections(const DownloadCase& download)
{
    QStringList facts;
    const Provenance& p = download.provenance;
    if (const std::optional<int> owner = configurationMaster(p); owner && *owner != download.connectedMaster)
        facts << wrongMasterFact(*owner, download.connectedMaster);
    if (!p.originSiteFolder.empty())
        facts << crossSiteFact(
            {QString::fromStdString(p.originSiteFolder), QString::fromStdString(p.originSiteName), p.originSiteMaster},
            download.openSiteName);
    return facts;
}

} // namespace

DownloadQuestion downloadQuestion(const DownloadCase& download, const ConfigHistory& history, const NameTables& names)
{
    DownloadQuestion q;
    const int master = download.connectedMaster;
    const MasterHolds holds = whatMasterHolds(history, master);
    q.answers.push_back(DownloadAnswer::Download);
    if (holds.entry) {
        q.masterKnown = true;
        q.differences = compareConfigurations({holds.image, QString::fromStdString(holds.entry->fileName)},
                                              {download.image, configurationDescription(download.provenance)}, names);
        q.text = downloadPreviewText(master, holds, q.differences.differences);
        if (q.differences.differences > 0)
            q.answers.push_back(DownloadAnswer::ShowDifferences);
    } else {
        q.text = holds.unknownReason + u'\n'
                 + QCoreApplication::translate("DownloadQuestion",
                                               "What this Download changes on master %1 is unknown until it is read.")
                       .arg(master);
        q.answers.push_back(DownloadAnswer::ReadMasterFirst);
    }
    q.answers.push_back(DownloadAnswer::No);
    if (const QStringList facts = objections(download); !facts.isEmpty()) {
        q.text += QStringLiteral("\n\n") + facts.join(QLatin1Char(' ')) + u' '
                  + QCoreApplication::translate("DownloadQuestion", "Download anyway?");
        q.defaultAnswer = DownloadAnswer::No;
    }
    return q;
}

QString answerText(DownloadAnswer answer, const DownloadQuestion& question)
{
    switch (answer) {
    case DownloadAnswer::Download:
        return QStringLiteral("Download");
    case DownloadAnswer::ShowDifferences:
        return QCoreApplication::translate("DownloadQuestion", "Show differences");
    case DownloadAnswer::ReadMasterFirst:
        return QCoreApplication::translate("DownloadQuestion", "Read the master first");
    case DownloadAnswer::No:
        break;
    }
    return question.defaultAnswer == DownloadAnswer::No ? QCoreApplication::translate("DownloadQuestion", "No")
                                                        : QCoreApplication::translate("DownloadQuestion", "Cancel");
}

} // namespace q7582
