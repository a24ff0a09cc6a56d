#include "ui/main/StatusRules.h"

#include "link/LinkShared.h"

#include <QCoreApplication>

namespace q7582 {

CellState zoneCellState(const StatusBlock& sb, int cell)
{
    const int slave = cell / 6;
    if (!sb.slavePresent(slave))
        return CellState::Absent;
    if (sb.zoneBusy(cell + 1))
        return CellState::Busy;
    return sb.zoneMusic(slave, cell % 6) ? CellState::Music : CellState::Idle;
}

CellState outputCellState(const StatusBlock& sb, int cell)
{
    if (!sb.ioRowPresent(cell / 6))
        return CellState::Absent;
    return sb.outputActive(cell / 6, cell % 6) ? CellState::Busy : CellState::Idle;
}

CellState inputCellState(const StatusBlock& sb, int cell)
{
    if (!sb.ioRowPresent(cell / 6))
        return CellState::Absent;
    return sb.inputActive(cell / 6, cell % 6) ? CellState::Busy : CellState::Idle;
}

bool toggleZoneCell(CellState& state)
{
    if (state == CellState::Idle)
        state = CellState::Music;
    else if (state == CellState::Music)
        state = CellState::Idle;
    else
        return false;
    return true;
}

void foldZoneCells(StatusBlock& sb, const ZoneCells& cells)
{
    for (int n = 0; n < GridCells; ++n) {
        if (cells[n] == CellState::Idle)
            sb.setZoneMusic(n / 6, n % 6, false);
        else if (cells[n] == CellState::Music)
            sb.setZoneMusic(n / 6, n % 6, true);
    }
}

bool levelSliderIsVertical(LiveParam slider) { return slider == LiveSpeechLevel || slider == LiveMusicLevel; }

int levelForSliderPosition(LiveParam slider, int position)
{
    return levelSliderIsVertical(slider) ? StatusBlock::LevelMax - position : position;
}

int sliderPositionForLevel(LiveParam slider, int level)
{
    // Same mapping both ways: 20 - x is its own inverse.
    return levelForSliderPosition(slider, level);
}

Byte levelByte(const StatusBlock& sb, LiveParam slider) { return sb.bytes[StatusBlock::SpeechLevel + slider]; }

void setLevelByte(StatusBlock& sb, LiveParam slider, int level)
{
    sb.bytes[StatusBlock::SpeechLevel + slider] = Byte(level);
}

UnitRowView unitRowView(const StatusBlock& sb, int unit)
{
    UnitRowView v;
    if (!sb.unitConnected(unit))
        return v;
    v.connected = true;
    v.ioCard = sb.unitIsIoCard(unit);
    const QString line = sb.unitOnLineB(unit) ? QStringLiteral("B") : QStringLiteral("A");
    v.lineText = v.ioCard ? line : QString::number(sb.unitPriority(unit)) + QStringLiteral(" / ") + line;
    return v;
}

ActiveSourceView activeSourceView(const StatusBlock& sb)
{
    static const char* const kinds[] = {
        QT_TRANSLATE_NOOP("StatusRules", "Unit "), QT_TRANSLATE_NOOP("StatusRules", "Input "), "VOX ",
        QT_TRANSLATE_NOOP("StatusRules", "Timer event "), QT_TRANSLATE_NOOP("StatusRules", "Remote ")};
    ActiveSourceView v;
    const int kind = sb.activeSourceKind();
    if (kind < StatusBlock::SourceUnit || kind > StatusBlock::SourceRemote) {
        v.source = QCoreApplication::translate("StatusRules", "None");
        return v;
    }
    v.active = true;
    v.source = QCoreApplication::translate("StatusRules", kinds[kind - 1]) + QString::number(sb.activeSourceNumber());
    v.priority = QString::number(sb.activeSourcePriority());
    return v;
}

ActiveMessageView activeMessageView(const StatusBlock& sb)
{
    const int n = sb.activeMessage();
    if (n == 0)
        return {false, QStringLiteral("-")};
    return {true, QCoreApplication::translate("StatusRules", "Message ") + QString::number(n)};
}

std::optional<ClockTexts> clockTexts(const ClockTime& clock, const QLocale& locale)
{
    if (!clock.isValid())
        return std::nullopt;
    const QDate date(clock.year, clock.month, clock.day);
    const QTime time(clock.hour, clock.minute, clock.second);
    return ClockTexts{locale.toString(date, QStringLiteral("ddd', 'dd'/'MM'/'yyyy")),
                      locale.toString(time, QStringLiteral("HH':'mm'.'ss"))};
}

ClockTime clockFromDateTime(const QDateTime& now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    ClockTime c;
    c.year = d.year();
    c.month = d.month();
    c.day = d.day();
    c.hour = t.hour();
    c.minute = t.minute();
    c.second = t.second();
    c.weekday = d.dayOfWeek(); // Qt counts 1 = Monday .. 7 = Sunday, as the master does
    return c;
}

QString summerTimeCaption(bool buttonDown)
{
    return buttonDown ? QCoreApplication::translate("StatusRules", "Enable summer legal time")
                      : QCoreApplication::translate("StatusRules", "Disable summer legal time");
}

QString configurationCaption(const Provenance& p, bool generatorMode)
{
    QString text;
    if (!generatorMode) {
        switch (p.origin) {
        case ConfigOrigin::OriginDefault:
            text = QCoreApplication::translate("StatusRules", "DEFAULT Configuration of Master %1")
                       .arg(p.defaultMasterNumber);
            break;
        case ConfigOrigin::OriginMaster:
            text = QCoreApplication::translate("StatusRules", "Configuration from Master %1")
                       .arg(p.uploadedMasterByte & 15);
            break;
        case ConfigOrigin::OriginFile:
            text = QCoreApplication::translate("StatusRules", "Configuration from File");
            break;
        }
    }
    if (p.modified)
        text += QCoreApplication::translate("StatusRules", " - MODIFIED");
    return text;
}

bool validAddressAnswer(const QString& answer)
{
    return answer.size() == 1 && answer[0] >= QLatin1Char('0') && answer[0] <= QLatin1Char('5');
}

bool validNameAnswer(const QString& answer) { return answer.size() <= MaxNameLength; }

} // namespace q7582
