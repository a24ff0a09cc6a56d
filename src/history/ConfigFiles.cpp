#include "history/ConfigFiles.h"

#include "history/HistoryName.h"
#include "model/FilePath.h"
#include "reports/ReportText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>

namespace q7582 {

QString configDialogText(ConfigDialogText which)
{
    static const char* const texts[] = {
        QT_TRANSLATE_NOOP("ConfigFiles", "Load configuration from file"),
        QT_TRANSLATE_NOOP("ConfigFiles", "Configuration files (*.cfi);;All files (*.*)"),
        QT_TRANSLATE_NOOP("ConfigFiles", "Save current configuration to file"),
        QT_TRANSLATE_NOOP("ConfigFiles", "Configuration files (*.cfi);;All Files (*.*)"),
        QT_TRANSLATE_NOOP("ConfigFiles", "Compare with configuration file"),
    };
    return QCoreApplication::translate("ConfigFiles", texts[int(which)]);
}

std::string withCfiExtension(const std::string& name)
{
    const auto slash = name.rfind('/');
    const auto dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return hasExtension ? name : name + ".cfi";
}

DroppedFile droppedConfigFile(const QList<QUrl>& urls)
{
    if (urls.size() != 1)
        return {{},
                QCoreApplication::translate("ConfigFiles", "Drop one configuration file at a time: %1 were dropped.")
                    .arg(urls.size())};
    const QUrl& url = urls.front();
    if (!url.isLocalFile())
        return {{},
                QCoreApplication::translate("ConfigFiles", "Only a file on this computer can be opened, not %1.")
                    .arg(url.toDisplayString())};
    // The encoded path keeps every byte: toLocalFile() would turn bytes that are not UTF-8 into U+FFFD.
    const std::string path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
    const QString name = fileNameFromPath(path);
    if (isDirectory(path))
        return {{},
                QCoreApplication::translate("ConfigFiles", "%1 is a folder: drop the configuration file itself.")
                    .arg(name)};
    if (fileExists(path) && !isRegularFile(path))
        return {{},
                QCoreApplication::translate(
                    "ConfigFiles", "%1 is not a regular file (a pipe or a device): only a .cfi file can be opened.")
                    .arg(name)};
    return {path, {}};
}

QString partialFileWarning(const std::string& path, std::uint64_t fileSize)
{
    const QString name = QString::fromStdString(path);
    const QString size = QString::number(fileSize);
    if (fileSize < std::uint64_t(ConfigImage::Size))
        return QCoreApplication::translate("ConfigFiles",
                                           "%1 is %2 bytes long, not %3: only the first %2 bytes of the configuration "
                                           "would be replaced, the rest would stay as it is.\n\nOpen it anyway?")
            .arg(name, size)
            .arg(ConfigImage::Size);
    return QCoreApplication::translate(
               "ConfigFiles", "%1 is %2 bytes long, not %3: only its first %3 bytes would be read and the rest "
                              "ignored.\n\nOpen it anyway?")
        .arg(name, size)
        .arg(ConfigImage::Size);
}

QString configurationDescription(const Provenance& p)
{
    QString text;
    switch (p.origin) {
    case ConfigOrigin::OriginDefault:
        text =
            QCoreApplication::translate("ConfigFiles", "default configuration of master %1").arg(p.defaultMasterNumber);
        break;
    case ConfigOrigin::OriginMaster: {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(p.uploadedAtMsecs);
        text = QCoreApplication::translate("ConfigFiles", "uploaded from master %1 at %2 %3")
                   .arg(QString::number(p.uploadedMasterByte & 15), reportDate(at.date()), reportTime(at.time()));
        break;
    }
    case ConfigOrigin::OriginFile:
        text = QString::fromStdString(p.currentFileName);
        break;
    }
    return p.modified ? text + QCoreApplication::translate("ConfigFiles", ", modified") : text;
}

void applyOpenedFile(ConfigImage& image, Provenance& p, const std::string& path, const ConfigFileContent& content)
{
    const std::size_t n = std::min<std::size_t>(content.bytes.size(), ConfigImage::Size);
    std::copy_n(reinterpret_cast<const Byte*>(content.bytes.data()), n, image.data());
    p.currentFileName = path;
    p.origin = ConfigOrigin::OriginFile;
    const std::optional<HistoryName> entry = parseHistoryFileName(path.substr(path.rfind('/') + 1));
    p.fileMaster = entry ? std::optional(entry->master) : std::nullopt;
    clearOriginSite(p); // the caller names the site when the file is another site's
    p.modified = false;
    p.unsaved = false;
}

void applySaved(Provenance& p, const std::string& savedPath)
{
    if (p.origin == ConfigOrigin::OriginFile && savedPath == p.currentFileName)
        p.modified = false;
    p.unsaved = false; // whatever the name, the changes are on disk
}

} // namespace q7582
