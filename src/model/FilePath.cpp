#include "model/FilePath.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <unistd.h>

namespace q7582 {

namespace {

// fileNameFromPath's stand-in for byte b: U+DC00 + b (b is 0x80..0xFF).
constexpr char16_t EscapeBase = 0xDC00;

bool isEscape(const QString& name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    // The low half of a surrogate pair is a character's, not a byte's.
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

// Length of the well-formed UTF-8 sequence that begins bytes, 0 when none does: no
// overlong form, no surrogate, nothing above U+10FFFF.
std::size_t sequenceLength(std::string_view bytes)
{
    const auto at = [bytes](std::size_t i) { return i < bytes.size() ? unsigned(std::uint8_t(bytes[i])) : 0u; };
    const unsigned lead = at(0);
    if (lead < 0x80)
        return 1;
    // The second byte's range narrows after E0, ED, F0 and F4.
    unsigned low = 0x80, high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at(i) < 0x80 || at(i) > 0xBF)
            return 0;
    return length;
}

// The working folder's absolute path as the system gives it; "." when it has none.
std::string workingFolderPath()
{
    std::string path(256, '\0');
    while (::getcwd(path.data(), path.size()) == nullptr) {
        if (errno != ERANGE)
            return ".";
        path.resize(path.size() * 2);
    }
    path.resize(path.find('\0'));
    return path;
}

} // namespace

std::string filePath(const QString& name)
{
    std::string path;
    qsizetype run = 0; // the characters not yet encoded
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscape(name, i))
            continue;
        path += QFile::encodeName(name.sliced(run, i - run)).toStdString();
        path += char(name[i].unicode() - EscapeBase);
        run = i + 1;
    }
    return path + QFile::encodeName(name.sliced(run)).toStdString();
}

QString fileNameFromPath(std::string_view path)
{
    QString name;
    std::size_t run = 0; // the well-formed bytes not yet decoded
    for (std::size_t i = 0; i < path.size();) {
        if (const std::size_t n = sequenceLength(path.substr(i))) {
            i += n;
            continue;
        }
        name += QString::fromUtf8(path.data() + run, qsizetype(i - run));
        name += QChar(char16_t(EscapeBase + std::uint8_t(path[i])));
        run = ++i;
    }
    return name + QString::fromUtf8(path.data() + run, qsizetype(path.size() - run));
}

QString workingFolderLink()
{
    const QByteArray folder = QByteArray::fromStdString(workingFolderPath());
    if (QFile::encodeName(QFile::decodeName(folder)) == folder)
        return {};
    return QStringLiteral("/proc/%1/cwd").arg(::getpid());
}

QString relativeToWorkingFolder(const QString& name, const QString& link)
{
    if (link.isEmpty() || !(name + u'/').startsWith(link + u'/'))
        return name;
    const QString relative = name.sliced(std::min(name.size(), link.size() + 1));
    return relative.isEmpty() ? QStringLiteral(".") : relative;
}

QUrl fileUrl(const std::string& path)
{
    const std::string absolute = path.starts_with('/') ? path : workingFolderPath() + '/' + path;
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(absolute).toPercentEncoding("/"));
}

} // namespace q7582
