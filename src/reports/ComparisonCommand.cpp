#include "reports/ComparisonCommand.h"

#include "model/ConfigFile.h"
#include "model/FilePath.h"
#include "reports/ConfigurationComparison.h"
#include "settings/NameTables.h"

#include <QCoreApplication>

namespace q7582 {

ComparisonCommandOutput runComparisonCommand(const QString& from, const QString& to, const std::string& namesFolder)
{
    ComparisonCommandOutput output;
    ConfigImage fromImage, toImage;
    FileResult read = readWholeImage(filePath(from), fromImage);
    read.add(readWholeImage(filePath(to), toImage));
    if (!read.ok) {
        output.err = QString::fromStdString(read.error) + QLatin1Char('\n');
        return output;
    }
    NameTables names(namesFolder);
    // Only read: the table would create a missing file.
    if (names.unitFileExists() && !names.loadUnitNames().ok)
        output.err = QCoreApplication::translate("ComparisonCommand",
                                                 "unit.txt could not be read: units keep their default names")
                     + QLatin1Char('\n');
    const ConfigurationComparison comparison = compareConfigurations({fromImage, from}, {toImage, to}, names);
    output.out = plainText(comparison.report);
    output.differences = comparison.differences;
    output.exitCode = comparison.differences == 0 ? ComparisonExit::Same : ComparisonExit::Different;
    return output;
}

} // namespace q7582
