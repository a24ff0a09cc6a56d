#include "reports/ConfigurationReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportText.h"

#include <optional>

namespace q7582 {

namespace {

constexpr int InputsPerZoneTable = 3;

// The image keeps line attributes for the I/O cards at addresses 0..5 only; a card
// at a higher address has none, and its attribute cells show "-".
std::optional<Byte> lineAttribute(const ConfigImage& image, int address, int line)
{
    if (address >= ConfigImage::IoCards)
        return std::nullopt;
    return image.ioLineAttribute(address, line);
}

QString numberedLabel(const QString& shortPrefix, const QString& longPrefix, int n, const QString& tail)
{
    return (n < 10 ? shortPrefix : longPrefix) + QString::number(n) + tail;
}

QString priorityCell(std::optional<Byte> attribute)
{
    const QString value = attribute ? QString::number(IoLine::priority(*attribute)) : QStringLiteral("-");
    return QStringLiteral("   ") + value + QStringLiteral("    |");
}

QString logicCell(std::optional<bool> negative)
{
    if (!negative)
        return QStringLiteral("  -  |");
    return *negative ? QStringLiteral("  L  |") : QStringLiteral("  H  |");
}

// Logic and transition: an edge-triggered input has no level logic.
QString logicAndTransitionCells(std::optional<Byte> attribute)
{
    if (!attribute)
        return logicCell(std::nullopt) + QStringLiteral("     -    |");
    switch (IoLine::transition(*attribute)) {
    case 1:
        return QStringLiteral("  -  |     R    |");
    case 2:
        return QStringLiteral("  -  |     F    |");
    case 3:
        return QStringLiteral("  -  |    R+F   |");
    default:
        return logicCell(IoLine::inputNegative(*attribute)) + QStringLiteral("     -    |");
    }
}

std::optional<bool> outputNegative(std::optional<Byte> attribute)
{
    if (!attribute)
        return std::nullopt;
    return IoLine::outputNegative(*attribute);
}

void appendIoCard(Report& report, const ConfigReportSources& sources, int address)
{
    const ConfigImage& image = sources.image;
    const int firstLine = ConfigImage::IoLines * address + 1;
    const bool hasAttributes = lineAttribute(image, address, 0).has_value();

    report.add(QStringLiteral("Configuration of IO card ")
                   + QString::fromStdString(sources.names.unitCaption(address + 1)),
               ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    report.add(QStringLiteral("Address = ") + QString::number(address + 1), ReportStyle::Body);
    report.add(connectionLine(sources.status.unitOnLineB(address)), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);

    report.add(QStringLiteral("Input     |Message|Output event|Priority|Logic|Transition|"), ReportStyle::TableHeading);
    for (int line = 0; line < ConfigImage::IoLines; ++line) {
        const ConstKeyRecord input = image.key(address, line);
        const std::optional<Byte> attribute = lineAttribute(image, address, line);
        report.add(
            numberedLabel(QStringLiteral("Input  "), QStringLiteral("Input "), firstLine + line, QStringLiteral("  |"))
                + messageCell(input.messageNumber()) + outputEventCell(input.outputEvent()) + priorityCell(attribute)
                + logicAndTransitionCells(attribute),
            ReportStyle::TableRow);
    }

    report.add(QString(), ReportStyle::TableRow);
    report.add(QStringLiteral("Output    |Logic|"), ReportStyle::TableHeading);
    for (int line = 0; line < ConfigImage::IoLines; ++line)
        report.add(
            numberedLabel(QStringLiteral("Output  "), QStringLiteral("Output "), firstLine + line, QStringLiteral(" |"))
                + logicCell(outputNegative(lineAttribute(image, address, line))),
            ReportStyle::TableRow);

    report.add(QString(), ReportStyle::TableRow);
    report.add(QStringLiteral("Logic: H=Positive logic; L=Negative logic"), ReportStyle::TableRow);
    report.add(QStringLiteral("Transition: R=Rising edge; F=Falling edge; R+F=Both"), ReportStyle::TableRow);
    if (!hasAttributes)
        report.add(QStringLiteral("-: no line attributes are kept for an IO card at address ")
                       + QString::number(address + 1),
                   ReportStyle::TableRow);

    for (int first = 0; first < ConfigImage::IoLines; first += InputsPerZoneTable) {
        const QString prefix = firstLine + first < 10 ? QStringLiteral(" Input ") : QStringLiteral(" Input");
        auto column = [&](int line) {
            return ZoneColumn{prefix + QString::number(firstLine + line) + QStringLiteral("          |"),
                              image.key(address, line).zones()};
        };
        appendZoneTable(report, {column(first), column(first + 1), column(first + 2)});
    }
}

} // namespace

Report buildIoCardReport(const ConfigReportSources& sources)
{
    Report report = configurationReportHeader(
        QStringLiteral("I/O cards configuration report of the master with address "), sources);
    for (int address = 0; address < StatusBlock::Units; ++address)
        if (sources.status.unitConnected(address) && sources.status.unitIsIoCard(address))
            appendIoCard(report, sources, address);
    closeConfigurationReport(report, QStringLiteral("NO I/O CARDS CONNECTED TO THE MASTER"));
    return report;
}

} // namespace q7582
