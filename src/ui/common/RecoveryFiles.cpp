#include "ui/common/RecoveryFiles.h"

#include "model/ConfigFile.h"
#include "model/FilePath.h"

#include <algorithm>

namespace q7582 {

namespace {

constexpr const char* Prefix = "recovered-";
constexpr const char* Extension = ".cfi";

} // namespace

QString recoveryFileName(const QDateTime& at)
{
    // No ':' in the name: the file may travel to a Windows PC or a FAT stick.
    return QLatin1String(Prefix) + at.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QLatin1String(Extension);
}

FileResult saveRecoveryFile(const std::string& folder, const ConfigImage& image, const QDateTime& at)
{
    return writeConfigFile(folder + '/' + filePath(recoveryFileName(at)), image);
}

QStringList recoveryFiles(const std::string& folder)
{
    std::vector<std::string> names;
    (void)listFolder(folder, names); // an unreadable folder has none to name
    std::sort(names.begin(), names.end());
    QStringList kept;
    for (const std::string& name : names)
        if (name.starts_with(Prefix) && name.ends_with(Extension) && isRegularFile(folder + '/' + name))
            kept << fileNameFromPath(name);
    return kept;
}

} // namespace q7582
