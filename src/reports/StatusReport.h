#pragma once
// The status report: the live settings as the main window shows them after the last
// status refresh, plus the units, slaves and firmware read from the StatusBlock.

#include "model/StatusBlock.h"
#include "reports/ReportLine.h"
#include "settings/NameTables.h"

#include <QCoreApplication>
#include <QDateTime>

#include <array>

namespace q7582 {

// What the report reads from the main window's controls; the window fills it.
// Captions default to the labels' own texts, in the language in force; positions are slider
// positions.
struct StatusWindowValues {
    QString musicLevelCaption = QCoreApplication::translate("StatusReport", "Music level");
    int musicLevelPosition = 0; // shown as 20 - position
    std::array<int, StatusBlock::MusicSourceCount> musicSourcePositions{};

    QString speechLevelCaption = QCoreApplication::translate("StatusReport", "Speech level");
    int speechLevelPosition = 0; // shown as 20 - position
    std::array<QString, StatusBlock::SpeechInputCount> speechInputCaptions{
        QCoreApplication::translate("StatusReport", "VOX1 input"),
        QCoreApplication::translate("StatusReport", "VOX2 input"),
        QCoreApplication::translate("StatusReport", "Message input"),
        QCoreApplication::translate("StatusReport", "Unit input"),
        QCoreApplication::translate("StatusReport", "Remote input")};
    std::array<int, StatusBlock::SpeechInputCount> speechInputPositions{};

    std::array<QString, 2> voxThresholdCaptions{QCoreApplication::translate("StatusReport", "VOX1 threshold"),
                                                QCoreApplication::translate("StatusReport", "VOX2 threshold")};
    std::array<int, 2> voxThresholdPositions{};

    QString musicSourceCaption = QCoreApplication::translate("StatusReport", "Music source");
    QString musicSourceSelected; // the music source combo box's text
    QString musicOnRemoteCaption = QCoreApplication::translate("StatusReport", "Music on Remote");
    bool musicOnRemote = false;

    QString masterAddressText;
    bool chimeOn = false;
};

// What the window's controls show for a status block once it is refreshed with no change
// pending: the values of the report made without a window (`qs7582 status`).
StatusWindowValues statusValuesShownFor(const StatusBlock& status, const NameTables& names);

// Music source labels carry the music names; unit labels the unit captions.
Report buildStatusReport(const StatusBlock& status, const StatusWindowValues& window, const NameTables& names,
                         const QDateTime& now);

} // namespace q7582
