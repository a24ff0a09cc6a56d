#include "history/HistoryName.h"

#include "model/FilePath.h"

#include <QRegularExpression>

namespace q7582 {

namespace {

const char* directionWord(const HistoryName& n)
{
    if (n.direction == HistoryDirection::Upload)
        return "upload";
    return n.partial ? "download-partial" : "download";
}

} // namespace

bool HistoryName::operator<(const HistoryName& other) const
{
    if (date != other.date)
        return date < other.date;
    if (time != other.time)
        return time < other.time;
    return sequence < other.sequence;
}

std::string historyFileName(const HistoryName& n)
{
    QString name = n.date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('_')
                   + n.time.toString(QStringLiteral("HH.mm.ss")) + QStringLiteral("_master-%1_").arg(n.master)
                   + QLatin1String(directionWord(n));
    if (n.sequence > 1)
        name += QStringLiteral("_%1").arg(n.sequence);
    return filePath(name + QStringLiteral(".cfi"));
}

std::optional<HistoryName> parseHistoryFileName(const std::string& fileName)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4})-(\d\d)-(\d\d)_(\d\d)\.(\d\d)\.(\d\d)_master-([0-7])_(upload|download|download-partial)(?:_([2-9]|[1-9]\d{1,3}))?\.cfi$)"));
    const QRegularExpressionMatch m = pattern.match(QString::fromStdString(fileName));
    if (!m.hasMatch())
        return std::nullopt;
    const auto number = [&m](int group) { return m.capturedView(group).toInt(); };
    HistoryName n;
    n.date = QDate(number(1), number(2), number(3));
    n.time = QTime(number(4), number(5), number(6));
    if (!n.date.isValid() || !n.time.isValid())
        return std::nullopt;
    n.master = number(7);
    n.direction = m.capturedView(8) == QLatin1String("upload") ? HistoryDirection::Upload : HistoryDirection::Download;
    n.partial = m.capturedView(8) == QLatin1String("download-partial");
    n.sequence = m.hasCaptured(9) ? number(9) : 1;
    return n;
}

} // namespace q7582
