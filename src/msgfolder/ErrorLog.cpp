#include "msgfolder/ErrorLog.h"

#include "model/FilePath.h"

namespace q7582 {

QString findingText(Finding finding)
{
    switch (finding) {
    case Finding::InvalidName:
        return QStringLiteral(": invalid file name in the list, discarded from list");
    case Finding::Duplicate:
        return QStringLiteral(": duplicate message number in the list, discarded from list");
    case Finding::NoWavFile:
        return QStringLiteral(": file not found in message folder, discarded from list");
    case Finding::SizeEmpty:
        return QStringLiteral(": missing file dimension, recovered from file");
    case Finding::SizeWrong:
        return QStringLiteral(": file dimension in list different from file in message folder, updated from file");
    case Finding::DescriptionEmpty:
        return QStringLiteral(": missing file description, loaded 'unknown description'");
    }
    return {};
}

QByteArray errorLogText(const std::vector<LoadFinding>& findings, const QDateTime& now, const QLocale& locale)
{
    QString text = QStringLiteral("loading message list at ")
                   + locale.toString(now.time(), QStringLiteral("HH':'mm'.'ss")) + QStringLiteral(" of ")
                   + locale.toString(now.date(), QStringLiteral("ddd', 'dd'/'MM'/'yyyy")) + QStringLiteral("\r\n");
    for (const LoadFinding& f : findings)
        text += QStringLiteral("Row ") + QString::number(f.row) + findingText(f.finding) + QStringLiteral("\r\n");
    text += QStringLiteral("End of log\r\n");
    return text.toUtf8();
}

FileResult writeErrorLog(const QString& folder, const std::vector<LoadFinding>& findings, const QDateTime& now,
                         const QLocale& locale)
{
    return replaceFile(filePath(folder + u'/' + QLatin1String(ErrorLogName)),
                       errorLogText(findings, now, locale).toStdString());
}

} // namespace q7582
