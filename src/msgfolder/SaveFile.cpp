#include "msgfolder/SaveFile.h"

#include <QFile>
#include <QSaveFile>

namespace q7582 {

namespace {

FileResult failed(const QFileDevice& file)
{
    return {false, file.errorString().toStdString()};
}

} // namespace

FileResult replaceFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file);
    if (file.write(content) != content.size() || !file.commit())
        return failed(file);
    return {};
}

FileResult replaceFileWithCopy(const QString& source, const QString& target, qint64& bytes)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(in);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return failed(out);
    bytes = 0;
    constexpr qint64 Chunk = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(Chunk);
        if (in.error() != QFileDevice::NoError)
            return failed(in); // out is discarded: the old target stays
        if (chunk.isEmpty())
            break;
        if (out.write(chunk) != chunk.size())
            return failed(out);
        bytes += chunk.size();
    }
    if (!out.commit())
        return failed(out);
    return {};
}

} // namespace q7582
