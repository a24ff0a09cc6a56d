#include "reports/ComparisonTexts.h"

#include "reports/ReportText.h"
#include "reports/TimerText.h"

#include <QStringList>

namespace q7582 {
namespace {

QString invalid(int value) { return invalidText(QString::number(value)); }

QString messageList(const ConstTimerEventRecord& timer)
{
    QStringList numbers;
    for (int slot = 0; slot < ConstTimerEventRecord::MessageSlots; ++slot)
        if (timer.messageEvent(slot) != 0)
            numbers << QString::number(timer.messageEvent(slot));
    return numbers.isEmpty() ? ComparisonText::tr("none") : numbers.join(QStringLiteral(", "));
}

QString timerOutputEvent(const ConstTimerEventRecord& timer)
{
    if (timer.outputEvent() == OutputEventCode::None)
        return ComparisonText::tr("none");
    const QString name = OutputEventCode::isValid(timer.outputEvent()) ? timerOutputEventName(timer.outputEvent())
                                                                       : invalid(timer.outputEvent());
    return name + timerTransitionText(timer.transition());
}

} // namespace

QString zoneChanges(const Byte* fromMask, const Byte* toMask)
{
    QStringList added, removed;
    for (int z = 1; z <= ZoneMask::Zones; ++z) {
        const bool before = ZoneMask::test(fromMask, z), after = ZoneMask::test(toMask, z);
        if (after && !before)
            added << QStringLiteral("+%1").arg(z);
        else if (before && !after)
            removed << QStringLiteral("−%1").arg(z);
    }
    return (added + removed).join(QLatin1Char(' '));
}

QString messageText(Byte number)
{
    if (number == 0)
        return ComparisonText::tr("None");
    return number <= ConfigImage::MessageEvents ? QString::number(number) : invalid(number);
}

QString outputEventText(Byte code)
{
    switch (code) {
    case OutputEventCode::None:
        return ComparisonText::tr("None");
    case OutputEventCode::ResetMaster:
        return QStringLiteral("Master RESET");
    case OutputEventCode::ResetSystem:
        return QStringLiteral("System RESET");
    default:
        return OutputEventCode::isValid(code) ? QString::number(code) : invalid(code);
    }
}

QString priorityText(Byte priority)
{
    return priority >= 1 && priority <= 7 ? QString::number(priority) : invalid(priority);
}

QString logicText(bool negative) { return negative ? QStringLiteral("L") : QStringLiteral("H"); }

QString transitionText(int transition)
{
    static const char* const texts[] = {"-", "R", "F", "R+F"};
    return QLatin1String(texts[transition & 3]);
}

QString outputReading(bool affected, bool activated)
{
    if (!affected)
        return ComparisonText::tr("unaffected");
    return activated ? ComparisonText::tr("activated") : ComparisonText::tr("deactivated");
}

QString keyName(int unit, int key)
{
    switch (key) {
    case ConfigImage::PttLockKey:
        return QStringLiteral("PTT/Lock");
    case ConfigImage::AllEsp1Key:
        return QStringLiteral("ALL Esp. 1");
    case ConfigImage::AllEsp2Key:
        return QStringLiteral("ALL Esp. 2");
    default:
        break;
    }
    const bool input = unit < ConfigImage::IoCards && key < ConfigImage::IoLines;
    return (input ? ComparisonText::tr("Key/input %1") : ComparisonText::tr("Key %1")).arg(key + 1);
}

std::vector<TimerSetting> timerSettings(const ConstTimerEventRecord& timer)
{
    using T = ConstTimerEventRecord;
    const RawStart start = rawStart(timer);
    const std::uint32_t duration = timer.durationSeconds();
    return {
        {ComparisonText::tr("repetition"), repetition(timer.repeatDays()), T::RepeatDays, 1, 0x7F},
        {ComparisonText::tr("start"), startDate(start) + QLatin1Char(' ') + startTime(start), T::Start, 7, 0xFF},
        {ComparisonText::tr("period"), ComparisonText::tr("%1 sec.").arg(timer.periodSeconds()), T::PeriodSeconds, 2,
         0xFF},
        {ComparisonText::tr("stop time"), duration == 0 ? ComparisonText::tr("none") : stopTime(start, duration),
         T::DurationSeconds, 4, 0xFF},
        {ComparisonText::tr("priority"), priorityText(Byte(timer.priority())), T::Flags, 1, T::PriorityMask},
        {ComparisonText::tr("enable"), onOff(timer.enabled()), T::Flags, 1, T::FlagEnabled},
        {ComparisonText::tr("messages"), messageList(timer), T::MessageEvents, T::MessageSlots, 0xFF},
        {ComparisonText::tr("output event"), timerOutputEvent(timer), T::OutputEvent, 1, 0xFF},
        {ComparisonText::tr("transition"), transitionText(timer.transition()), T::Flags, 1, T::TransitionMask},
    };
}

QString timerSummary(const ConstTimerEventRecord& timer)
{
    QStringList parts;
    for (const TimerSetting& setting : timerSettings(timer))
        parts << setting.label + QLatin1Char(' ') + setting.text;
    return parts.join(QStringLiteral(", "));
}

QString byteRange(int first, int last)
{
    const auto hex = [](int offset) {
        return QStringLiteral("0x") + QString::number(offset, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    };
    return first == last ? hex(first) : hex(first) + QStringLiteral("–") + hex(last);
}

QString byteCount(int count)
{
    return count == 1 ? ComparisonText::tr("1 byte differs") : ComparisonText::tr("%1 bytes differ").arg(count);
}

QString areaName(int offset)
{
    using C = ConfigImage;
    if (offset < C::MessageEventsAt)
        return ComparisonText::tr("unit %1").arg(offset / C::UnitBlockSize + 1);
    if (offset < C::OutEventsAt)
        return ComparisonText::tr("message event %1").arg((offset - C::MessageEventsAt) / 0x20 + 1);
    if (offset < C::ResetOutEventAt)
        return ComparisonText::tr("out event %1").arg((offset - C::OutEventsAt) / 0x40 + 1);
    if (offset < C::TimerEventsAt)
        return ComparisonText::tr("RESET out event");
    if (offset < C::VoxAt)
        return ComparisonText::tr("timer event %1").arg((offset - C::TimerEventsAt) / 0x20 + 1);
    if (offset < C::Uninterpreted1At)
        return QStringLiteral("VOX%1").arg((offset - C::VoxAt) / 0x20 + 1);
    if (offset >= C::IoLineAttributesAt && offset < C::Uninterpreted2At)
        return ComparisonText::tr("I/O line attributes");
    return ComparisonText::tr("not interpreted");
}

} // namespace q7582
