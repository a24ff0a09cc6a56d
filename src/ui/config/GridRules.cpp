#include "ui/config/GridRules.h"

#include <QCoreApplication>

namespace q7582 {

CellColour cellColour(const GridTarget& t, int m, int z)
{
    const int zone = z + 1;
    if (t.kind == GridKind::OutEvent && !ZoneMask::test(t.affects + ZoneMask::Size * m, zone))
        return CellColour::White;
    const bool on = ZoneMask::test(t.states + ZoneMask::Size * m, zone);
    if (on)
        return CellColour::Green;
    return t.kind == GridKind::Zones ? CellColour::White : CellColour::Red;
}

CellColour nextCellColour(GridKind kind, CellColour current)
{
    switch (current) {
    case CellColour::White:
        return CellColour::Green;
    case CellColour::Green:
        return kind == GridKind::Zones ? CellColour::White : CellColour::Red;
    case CellColour::Red:
        return kind == GridKind::Reset ? CellColour::Green : CellColour::White;
    }
    return CellColour::White;
}

CellColour clickCell(const GridTarget& t, int m, int z, CellColour current)
{
    const CellColour next = nextCellColour(t.kind, current);
    Byte* state = t.states + ZoneMask::Size * m;
    const int zone = z + 1;
    ZoneMask::set(state, zone, next == CellColour::Green);
    if (t.kind == GridKind::OutEvent)
        ZoneMask::set(t.affects + ZoneMask::Size * m, zone, next != CellColour::White);
    return next;
}

bool toggleRow(const GridTarget& t, int m)
{
    if (t.kind != GridKind::Zones)
        return false;
    Byte* mask = t.states + ZoneMask::Size * m;
    if ((ZoneMask::value(mask) & ZoneMask::AllZones) != ZoneMask::AllZones)
        ZoneMask::setAll(mask);
    else
        ZoneMask::clearAll(mask);
    return true;
}

QString messageNumberText(int n)
{
    return n == 0 ? QCoreApplication::translate("GridRules", "None") : QString::number(n);
}

QString outputEventText(int code)
{
    switch (code) {
    case OutputEventCode::None:
        return QCoreApplication::translate("GridRules", "None");
    case OutputEventCode::ResetMaster:
        return QStringLiteral("Master");
    case OutputEventCode::ResetSystem:
        return QCoreApplication::translate("GridRules", "System");
    default:
        return QString::number(code);
    }
}

bool outputEventOnRed(int code) { return code == OutputEventCode::ResetMaster || code == OutputEventCode::ResetSystem; }

QString messageNumberPrefill(const QString& boxText)
{
    return boxText == messageNumberText(0) ? QStringLiteral("0") : boxText;
}

QString outputEventPrefill(const QString& boxText)
{
    for (const int code : {OutputEventCode::None, OutputEventCode::ResetMaster, OutputEventCode::ResetSystem})
        if (boxText == outputEventText(code))
            return QString::number(code);
    return boxText;
}

bool repairMessageNumber(KeyRecord r)
{
    if (r.messageNumber() <= 127)
        return false;
    r.setMessageNumber(0);
    return true;
}

bool repairOutputEvent(KeyRecord r)
{
    if (OutputEventCode::isValid(r.outputEvent()))
        return false;
    r.setOutputEvent(OutputEventCode::None);
    return true;
}

bool repairOutputEvent(TimerEventRecord r)
{
    if (OutputEventCode::isValid(r.outputEvent()))
        return false;
    r.setOutputEvent(OutputEventCode::None);
    return true;
}

bool repairVoxPriority(VoxRecord r)
{
    if (r.voxPriority() >= 1 && r.voxPriority() <= 7)
        return false;
    r.setVoxPriority(1);
    return true;
}

bool clearOutEventNumbers(Byte* record)
{
    Byte* numbers = record + OutEventRecord::Zero;
    const bool wrote = numbers[0] != 0 || numbers[1] != 0;
    numbers[0] = numbers[1] = 0;
    return wrote;
}

} // namespace q7582
