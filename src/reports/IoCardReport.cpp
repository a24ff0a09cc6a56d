#include "reports/ConfigurationReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportText.h"

#include <QCoreApplication>

#include <optional>

namespace q7582 {

namespace {

constexpr int InputsPerZoneTable = 3;

struct IoReport {
    Q_DECLARE_TR_FUNCTIONS(IoCardReport)
};

// The image keeps line attributes for the I/O cards at addresses 0..5 only; a card
// at a higher address has none, and its attribute cells show "-".
std::optional<Byte> lineAttribute(const ConfigImage& image, int address, int line)
{
    if (address >= ConfigImage::IoCards)
        return std::nullopt;
    return image.ioLineAttribute(address, line);
}

// A line's label, its number right-aligned in two digits, as a cell of `width` characters.
QString lineCell(const QString& label, int n, int width)
{
    return label.arg(n, 2).leftJustified(width - 1) + QLatin1Char('|');
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

    report.add(
        IoReport::tr("Configuration of IO card %1").arg(QString::fromStdString(sources.names.unitCaption(address + 1))),
        ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    report.add(addressLine(address + 1), ReportStyle::Body);
    report.add(connectionLine(sources.status.unitOnLineB(address)), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);

    report.add(IoReport::tr("Input     |Message|Output event|Priority|Logic|Transition|",
                            "columns of 10, 7, 12, 8, 5 and 10 characters"),
               ReportStyle::TableHeading);
    const QString input = IoReport::tr("Input %1"), output = IoReport::tr("Output %1");
    for (int line = 0; line < ConfigImage::IoLines; ++line) {
        const ConstKeyRecord record = image.key(address, line);
        const std::optional<Byte> attribute = lineAttribute(image, address, line);
        report.add(lineCell(input, firstLine + line, 11) + messageCell(record.messageNumber())
                       + outputEventCell(record.outputEvent()) + priorityCell(attribute)
                       + logicAndTransitionCells(attribute),
                   ReportStyle::TableRow);
    }

    report.add(QString(), ReportStyle::TableRow);
    report.add(IoReport::tr("Output    |Logic|", "columns of 10 and 5 characters"), ReportStyle::TableHeading);
    for (int line = 0; line < ConfigImage::IoLines; ++line)
        report.add(lineCell(output, firstLine + line, 11)
                       + logicCell(outputNegative(lineAttribute(image, address, line))),
                   ReportStyle::TableRow);

    report.add(QString(), ReportStyle::TableRow);
    report.add(IoReport::tr("Logic: H=Positive logic; L=Negative logic"), ReportStyle::TableRow);
    report.add(IoReport::tr("Transition: R=Rising edge; F=Falling edge; R+F=Both"), ReportStyle::TableRow);
    if (!hasAttributes)
        report.add(IoReport::tr("-: no line attributes are kept for an IO card at address %1").arg(address + 1),
                   ReportStyle::TableRow);

    // " Input 1", " Input10": the zone tables' columns are 19 characters.
    const QString zoneInput = QLatin1Char(' ') + IoReport::tr("Input", "a zone table's column, at most 15 characters");
    for (int first = 0; first < ConfigImage::IoLines; first += InputsPerZoneTable) {
        auto column = [&](int line) {
            return ZoneColumn{(zoneInput + QString::number(firstLine + line).rightJustified(2)).leftJustified(18)
                                  + QLatin1Char('|'),
                              image.key(address, line).zones()};
        };
        appendZoneTable(report, {column(first), column(first + 1), column(first + 2)});
    }
}

} // namespace

Report buildIoCardReport(const ConfigReportSources& sources)
{
    Report report = configurationReportHeader(
        IoReport::tr("I/O cards configuration report of the master with address %1"), sources);
    for (int address = 0; address < StatusBlock::Units; ++address)
        if (sources.status.unitConnected(address) && sources.status.unitIsIoCard(address))
            appendIoCard(report, sources, address);
    closeConfigurationReport(report, IoReport::tr("NO I/O CARDS CONNECTED TO THE MASTER"));
    return report;
}

} // namespace q7582
