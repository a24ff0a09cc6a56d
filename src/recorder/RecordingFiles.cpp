#include "recorder/RecordingFiles.h"

#include "model/FileIo.h"

#include <QCoreApplication>
#include <QDateTime>

namespace q7582 {

QString newRecordingPath(QString* error)
{
    if (const FileResult made = makeFolder(RecordingsFolder); !made.ok) {
        *error = QString::fromStdString(made.error);
        return {};
    }
    return QStringLiteral("%1/%2.q7582rec")
        .arg(QLatin1String(RecordingsFolder),
             QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

QString durationText(std::int64_t ms)
{
    const std::int64_t s = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString recordingStatusText(std::int64_t elapsedMs, std::int64_t bytes)
{
    return QCoreApplication::translate("RecordingFiles", "Recording %1, %2 MB")
        .arg(durationText(elapsedMs))
        .arg(double(bytes) / 1e6, 0, 'f', 1);
}

} // namespace q7582
