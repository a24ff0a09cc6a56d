#include "msgfolder/MessageNumber.h"

namespace q7582 {

std::optional<int> messageNumberOf(const QString& name)
{
    if (name.size() != 3)
        return std::nullopt;
    int number = 0;
    for (QChar c : name) {
        // isDigit() would also take other scripts' digits; the generator knows ASCII only.
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = number * 10 + (c.unicode() - u'0');
    }
    if (number < FirstMessage || number > LastMessage)
        return std::nullopt;
    return number;
}

QString messageName(int number) { return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')); }

} // namespace q7582
