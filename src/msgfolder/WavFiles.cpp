#include "msgfolder/WavFiles.h"

#include "model/FilePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace q7582 {

namespace {

QString upperName(const QString& number) { return number + QStringLiteral(".WAV"); }

} // namespace

QStringList wavFilesOf(const QString& folder, const QString& number)
{
    const QString wanted = upperName(number);
    QStringList names;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : files) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            names.push_back(name);
    }
    // Two spellings can only meet on a case-sensitive file system; the one this
    // program writes wins, so that a message added here is the one that plays.
    if (names.removeOne(wanted))
        names.prepend(wanted);
    return names;
}

std::optional<qint64> wavLength(const QString& folder, const QString& number)
{
    const QStringList names = wavFilesOf(folder, number);
    if (names.isEmpty())
        return std::nullopt;
    return QFileInfo(QDir(folder).filePath(names.front())).size();
}

FileResult copyWav(const QString& source, const QString& folder, const QString& number, qint64& bytes)
{
    const QString target = upperName(number);
    std::uint64_t copiedBytes = 0;
    const FileResult copied = copyFile(filePath(source), filePath(QDir(folder).filePath(target)), copiedBytes);
    if (!copied.ok)
        return copied;
    bytes = qint64(copiedBytes);
    // Other spellings of the same name would be the same file on the card.
    const QStringList names = wavFilesOf(folder, number);
    for (const QString& name : names) {
        if (name != target)
            QFile::remove(QDir(folder).filePath(name));
    }
    return {};
}

FileResult deleteWav(const QString& folder, const QString& number)
{
    const QStringList names = wavFilesOf(folder, number);
    for (const QString& name : names) {
        QFile file(QDir(folder).filePath(name));
        if (!file.remove())
            return {false, file.errorString().toStdString()};
    }
    return {};
}

} // namespace q7582
