#include "reports/StatusReport.h"
#include "reports/ReportText.h"

#include <QCoreApplication>

#include <algorithm>

namespace q7582 {

namespace {

struct StatusText {
    Q_DECLARE_TR_FUNCTIONS(StatusReport)
};

// The report shows the group number the slave reports in its low three bits.
constexpr int SlaveGroupBits = 0x07;

void addSection(Report& report, const QString& heading)
{
    report.add(heading, ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
}

void addSetting(Report& report, const QString& caption, int value)
{
    report.add(StatusText::tr("%1 setting = %2").arg(caption, QString::number(value)), ReportStyle::Body);
}

void addUnit(Report& report, const StatusBlock& status, const NameTables& names, int address)
{
    const int u = address + 1;
    const QString caption = QString::fromStdString(names.unitCaption(u));
    if (status.unitIsIoCard(address)) {
        report.add(StatusText::tr("IO card %1").arg(caption), ReportStyle::SubHeading);
        report.add(addressLine(u), ReportStyle::Body);
    } else {
        report.add(StatusText::tr("Desk microphone %1").arg(caption), ReportStyle::SubHeading);
        report.add(addressLine(u), ReportStyle::Body);
        report.add(priorityLine(status.unitPriority(address)), ReportStyle::Body);
    }
    report.add(connectionLine(status.unitOnLineB(address)), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);
}

// Level slider i shows status byte i; the speech and music level sliders stand upright
// and count from the top. Bytes out of range pin at the ends.
int sliderPosition(const StatusBlock& status, int slider)
{
    const int level = status.bytes[std::size_t(slider)];
    const bool upright = slider == StatusBlock::SpeechLevel || slider == StatusBlock::MusicLevel;
    return std::clamp(upright ? StatusBlock::LevelMax - level : level, 0, StatusBlock::LevelMax);
}

} // namespace

StatusWindowValues statusValuesShownFor(const StatusBlock& status, const NameTables& names)
{
    StatusWindowValues v;
    v.speechLevelPosition = sliderPosition(status, StatusBlock::SpeechLevel);
    v.musicLevelPosition = sliderPosition(status, StatusBlock::MusicLevel);
    for (int i = 0; i < StatusBlock::SpeechInputCount; ++i)
        v.speechInputPositions[std::size_t(i)] = sliderPosition(status, StatusBlock::SpeechInputLevels + i);
    for (int i = 0; i < StatusBlock::MusicSourceCount; ++i)
        v.musicSourcePositions[std::size_t(i)] = sliderPosition(status, StatusBlock::MusicSourceLevels + i);
    for (int i = 0; i < 2; ++i)
        v.voxThresholdPositions[std::size_t(i)] = sliderPosition(status, StatusBlock::VoxThresholds + i);
    const int source = status.musicSelect();
    if (source < StatusBlock::MusicSourceCount)
        v.musicSourceSelected = QString::fromStdString(names.musicName(source + 1));
    v.musicOnRemote = status.musicOnRemote();
    v.masterAddressText = QString::number(status.masterAddress());
    v.chimeOn = status.chimeEnabled();
    return v;
}

Report buildStatusReport(const StatusBlock& status, const StatusWindowValues& window, const NameTables& names,
                         const QDateTime& now)
{
    Report report;
    report.caption = StatusText::tr("Status report");
    report.add(StatusText::tr("Status report of the master with address %1").arg(status.masterAddress()),
               ReportStyle::Title);
    report.add(creationLine(now), ReportStyle::Heading);

    report.add(QString(), ReportStyle::Heading);
    report.add(StatusText::tr("Music level control settings:"), ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    addSetting(report, window.musicLevelCaption, StatusBlock::LevelMax - window.musicLevelPosition);
    for (int s = 0; s < StatusBlock::MusicSourceCount; ++s)
        addSetting(report, QString::fromStdString(names.musicName(s + 1)), window.musicSourcePositions[s]);

    report.add(QString(), ReportStyle::Body);
    addSection(report, StatusText::tr("Speech level control settings:"));
    addSetting(report, window.speechLevelCaption, StatusBlock::LevelMax - window.speechLevelPosition);
    for (int i = 0; i < StatusBlock::SpeechInputCount; ++i)
        addSetting(report, window.speechInputCaptions[i], window.speechInputPositions[i]);

    report.add(QString(), ReportStyle::Body);
    addSection(report, StatusText::tr("VOX threshold level settings:"));
    for (int v = 0; v < 2; ++v)
        addSetting(report, window.voxThresholdCaptions[v], window.voxThresholdPositions[v]);

    report.add(QString(), ReportStyle::Body);
    addSection(report, StatusText::tr("Music source selections:"));
    report.add(StatusText::tr("%1 selected = %2").arg(window.musicSourceCaption, window.musicSourceSelected),
               ReportStyle::Body);
    report.add(StatusText::tr("%1 setting = %2").arg(window.musicOnRemoteCaption, onOff(window.musicOnRemote)),
               ReportStyle::Body);

    report.add(QString(), ReportStyle::Body);
    addSection(report, StatusText::tr("Connected master settings:"));
    report.add(StatusText::tr("Master address = %1").arg(window.masterAddressText), ReportStyle::Body);
    report.add(StatusText::tr("Chime enable = %1").arg(onOff(window.chimeOn)), ReportStyle::Body);
    report.add(StatusText::tr("Master firmware release = %1.%2")
                   .arg(QString::number(status.firmwareRelease(0)), QString::number(status.firmwareRelease(1))),
               ReportStyle::Body);

    report.add(QString(), ReportStyle::Body);
    addSection(report, StatusText::tr("Units/IO cards connected to master:"));
    for (int address = 0; address < StatusBlock::Units; ++address)
        if (status.unitConnected(address))
            addUnit(report, status, names, address);

    addSection(report, StatusText::tr("Slave units connected to the master:"));
    for (int s = 0; s < StatusBlock::Slaves; ++s) {
        if (!status.slavePresent(s))
            continue;
        report.add(StatusText::tr("Slave address = %1  -  Group = %2")
                       .arg(QString::number(s), QString::number(status.slaveGroup(s) & SlaveGroupBits)),
                   ReportStyle::Body);
        report.add(QString(), ReportStyle::Body);
    }
    return report;
}

} // namespace q7582
