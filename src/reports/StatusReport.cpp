#include "reports/StatusReport.h"
#include "reports/ReportText.h"

#include <algorithm>

namespace q7582 {

namespace {

// The report shows the group number the slave reports in its low three bits.
constexpr int SlaveGroupBits = 0x07;

void addSection(Report& report, const QString& heading)
{
    report.add(heading, ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
}

void addSetting(Report& report, const QString& caption, int value)
{
    report.add(caption + QStringLiteral(" setting = ") + QString::number(value), ReportStyle::Body);
}

void addUnit(Report& report, const StatusBlock& status, const NameTables& names, int address)
{
    const int u = address + 1;
    const QString caption = QString::fromStdString(names.unitCaption(u));
    if (status.unitIsIoCard(address)) {
        report.add(QStringLiteral("IO card ") + caption, ReportStyle::SubHeading);
        report.add(QStringLiteral("Address = ") + QString::number(u), ReportStyle::Body);
    } else {
        report.add(QStringLiteral("Desk microphone ") + caption, ReportStyle::SubHeading);
        report.add(QStringLiteral("Address = ") + QString::number(u), ReportStyle::Body);
        report.add(QStringLiteral("Priority = ") + QString::number(status.unitPriority(address)), ReportStyle::Body);
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
    report.caption = QStringLiteral("Status report");
    report.add(QStringLiteral("Status report of the master with address ") + QString::number(status.masterAddress()),
               ReportStyle::Title);
    report.add(creationLine(now), ReportStyle::Heading);

    report.add(QString(), ReportStyle::Heading);
    report.add(QStringLiteral("Music level control settings:"), ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    addSetting(report, window.musicLevelCaption, StatusBlock::LevelMax - window.musicLevelPosition);
    for (int s = 0; s < StatusBlock::MusicSourceCount; ++s)
        addSetting(report, QString::fromStdString(names.musicName(s + 1)), window.musicSourcePositions[s]);

    report.add(QString(), ReportStyle::Body);
    addSection(report, QStringLiteral("Speech level control settings:"));
    addSetting(report, window.speechLevelCaption, StatusBlock::LevelMax - window.speechLevelPosition);
    for (int i = 0; i < StatusBlock::SpeechInputCount; ++i)
        addSetting(report, window.speechInputCaptions[i], window.speechInputPositions[i]);

    report.add(QString(), ReportStyle::Body);
    addSection(report, QStringLiteral("VOX threshold level settings:"));
    for (int v = 0; v < 2; ++v)
        addSetting(report, window.voxThresholdCaptions[v], window.voxThresholdPositions[v]);

    report.add(QString(), ReportStyle::Body);
    addSection(report, QStringLiteral("Music source selections:"));
    report.add(window.musicSourceCaption + QStringLiteral(" selected = ") + window.musicSourceSelected,
               ReportStyle::Body);
    report.add(window.musicOnRemoteCaption + QStringLiteral(" setting = ") + onOff(window.musicOnRemote),
               ReportStyle::Body);

    report.add(QString(), ReportStyle::Body);
    addSection(report, QStringLiteral("Connected master settings:"));
    report.add(QStringLiteral("Master address = ") + window.masterAddressText, ReportStyle::Body);
    report.add(QStringLiteral("Chime enable = ") + onOff(window.chimeOn), ReportStyle::Body);
    report.add(QStringLiteral("Master firmware release = ") + QString::number(status.firmwareRelease(0))
                   + QLatin1Char('.') + QString::number(status.firmwareRelease(1)),
               ReportStyle::Body);

    report.add(QString(), ReportStyle::Body);
    addSection(report, QStringLiteral("Units/IO cards connected to master:"));
    for (int address = 0; address < StatusBlock::Units; ++address)
        if (status.unitConnected(address))
            addUnit(report, status, names, address);

    addSection(report, QStringLiteral("Slave units connected to the master:"));
    for (int s = 0; s < StatusBlock::Slaves; ++s) {
        if (!status.slavePresent(s))
            continue;
        report.add(QStringLiteral("Slave address = ") + QString::number(s) + QStringLiteral("  -  Group = ")
                       + QString::number(status.slaveGroup(s) & SlaveGroupBits),
                   ReportStyle::Body);
        report.add(QString(), ReportStyle::Body);
    }
    return report;
}

} // namespace q7582
