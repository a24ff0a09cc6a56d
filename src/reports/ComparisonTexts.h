#pragma once
// How the configuration comparison names items and values: the editor's and the
// reports' words, with " (invalid)" after a value the device does not define.

#include "model/ConfigImage.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace q7582 {

// The comparison's and where-used's words, one translation context for both.
struct ComparisonText {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationComparison)
};

inline const QString Arrow = QStringLiteral(" → ");

// "+12 +13 −7": the zones (or outputs) of one mask set only in `to`, then only in `from`.
QString zoneChanges(const Byte* fromMask, const Byte* toMask);

QString messageText(Byte number);       // "None", "5", "200 (invalid)"
QString outputEventText(Byte code);     // "None", "12", "Master RESET", "System RESET", "70 (invalid)"
QString priorityText(Byte priority);    // "3", "0 (invalid)"
QString logicText(bool negative);       // "H", "L"
QString transitionText(int transition); // "-", "R", "F", "R+F"
// "unaffected", "activated" or "deactivated"
QString outputReading(bool affected, bool activated);
// As the editor lists them: "Key/input 4" (units 1..6, records 1..6), "Key 12", "PTT/Lock", ...
QString keyName(int unit, int key);

// One setting of a timer event, its text, and where the record holds it.
struct TimerSetting {
    QString label, text;
    int offset, length;
    Byte mask;
};
std::vector<TimerSetting> timerSettings(const ConstTimerEventRecord& timer);
// Every setting in one line.
QString timerSummary(const ConstTimerEventRecord& timer);

// "0x7E00–0x7E3F", "0x7E00"
QString byteRange(int first, int last);
// "12 bytes differ", "1 byte differs"
QString byteCount(int count);
// The record or area an offset falls in: "unit 3", "out event 12", "not interpreted", ...
QString areaName(int offset);

} // namespace q7582
