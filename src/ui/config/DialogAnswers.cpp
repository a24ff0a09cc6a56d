#include "ui/config/DialogAnswers.h"

#include "ui/common/AskUntilValid.h"
#include "ui/config/TimerRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace q7582 {

namespace {

// Only ASCII digits: other scripts' digits are not numbers to the device.
bool allDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

std::optional<int> digitsValue(const QString& text, int max)
{
    if (!allDigits(text))
        return std::nullopt;
    long long value = 0;
    for (QChar c : text) {
        value = value * 10 + (c.unicode() - '0');
        if (value > max)
            return std::nullopt;
    }
    return int(value);
}

std::optional<int> acceptPriority(const QString& text)
{
    const auto v = digitsValue(text, 7);
    if (!v || *v < 1)
        return std::nullopt;
    return v;
}

std::optional<int> acceptMessageNumber(const QString& text) { return digitsValue(text, 127); }

std::optional<int> acceptOutputEvent(const QString& text) { return digitsValue(text, 65); }

std::optional<int> acceptPeriod(const QString& text, int upper)
{
    const auto v = digitsValue(text, upper);
    if (!v || (*v != 0 && *v < MinPeriod))
        return std::nullopt;
    return v;
}

QString numberRefusal(const QString& text, int lowest, int highest)
{
    if (!allDigits(text))
        return notAWholeNumber(text);
    // Too many digits for an int is more than any bound.
    const std::optional<int> value = digitsValue(text, std::numeric_limits<int>::max());
    if (value && *value < lowest)
        return numberTooSmall(text.isEmpty() ? QStringLiteral("0") : text, lowest);
    return numberTooLarge(text, highest);
}

QString periodRefusal(const QString& text, int upper)
{
    const QString line = numberRefusal(text, MinPeriod, upper);
    const std::optional<int> value = digitsValue(text, std::numeric_limits<int>::max());
    if (value && *value < MinPeriod)
        return line + QCoreApplication::translate("DialogAnswers", " 0 makes the event not periodic.");
    if (value && upper < HalfDay)
        return line + QCoreApplication::translate("DialogAnswers", " The period must end before midnight.");
    return line;
}

} // namespace q7582
