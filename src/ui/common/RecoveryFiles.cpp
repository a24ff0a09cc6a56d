#include "ui/common/RecoveryFiles.h"

#include "model/ConfigFile.h"

#include <QDir>

namespace q7582 {

QString recoveryFileName(const QDateTime& at)
{
    // No ':' in the name: the file may travel to a Windows PC or a FAT stick.
    return QStringLiteral("recovered-") + at.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QStringLiteral(".cfi");
}

FileResult saveRecoveryFile(const std::string& folder, const ConfigImage& image, const QDateTime& at)
{
    return writeConfigFile(folder + '/' + recoveryFileName(at).toStdString(), image);
}

QStringList recoveryFiles(const std::string& folder)
{
    return QDir(QString::fromStdString(folder)).entryList({QStringLiteral("recovered-*.cfi")}, QDir::Files, QDir::Name);
}

} // namespace q7582
