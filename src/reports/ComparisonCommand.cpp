#include "reports/ComparisonCommand.h"

#include "reports/ConfigurationComparison.h"
#include "settings/NameTables.h"

#include <algorithm>

namespace q7582 {

FileResult readWholeImage(const std::string& path, ConfigImage& image)
{
    std::string bytes;
    std::uint64_t size = 0;
    // One byte more than an image tells a longer file.
    if (FileResult r = readFile(path, bytes, ConfigImage::Size + 1, &size); !r.ok)
        return r;
    if (size != std::uint64_t(ConfigImage::Size))
        return FileResult::failure(path,
                                   std::to_string(size) + " bytes long, not " + std::to_string(ConfigImage::Size));
    std::copy_n(reinterpret_cast<const Byte*>(bytes.data()), ConfigImage::Size, image.data());
    return {};
}

ComparisonCommandOutput runComparisonCommand(const std::string& from, const std::string& to,
                                             const std::string& namesFolder)
{
    ComparisonCommandOutput output;
    ConfigImage fromImage, toImage;
    FileResult read = readWholeImage(from, fromImage);
    read.add(readWholeImage(to, toImage));
    if (!read.ok) {
        output.err = QString::fromStdString(read.error) + QLatin1Char('\n');
        return output;
    }
    NameTables names(namesFolder);
    // Only read: the table would create a missing file.
    if (fileExists(namesFolder + "/unit.txt") && !names.loadUnitNames().ok)
        output.err = QStringLiteral("unit.txt could not be read: units keep their default names\n");
    const ConfigurationComparison comparison =
        compareConfigurations({fromImage, QString::fromStdString(from)}, {toImage, QString::fromStdString(to)}, names);
    output.out = plainText(comparison.report);
    output.exitCode = comparison.differences == 0 ? ComparisonExit::Same : ComparisonExit::Different;
    return output;
}

} // namespace q7582
