#include "recorder/RecordingFiles.h"

#include "model/FileIo.h"

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

QString recordingStatusText(std::int64_t elapsedMs, std::int64_t bytes)
{
    const std::int64_t s = elapsedMs / 1000;
    return QStringLiteral("Recording %1:%2:%3, %4 MB")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'))
        .arg(double(bytes) / 1e6, 0, 'f', 1);
}

} // namespace q7582
