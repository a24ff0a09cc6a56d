#include "ui/config/DialogAnswers.h"

namespace q7582 {

std::optional<int> digitsValue(const QString& text, int max)
{
    long long value = 0;
    for (QChar c : text) {
        // Only ASCII digits: other scripts' digits are not numbers to the device.
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
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
    if (!v || (*v != 0 && *v < 10))
        return std::nullopt;
    return v;
}

} // namespace q7582
