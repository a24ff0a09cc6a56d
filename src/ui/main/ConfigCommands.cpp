#include "ui/main/ConfigCommands.h"

#include "history/ConfigFiles.h"
#include "model/DefaultConfiguration.h"
#include "model/FileLog.h"
#include "model/FilePath.h"
#include "reports/ConfigurationComparison.h"
#include "sites/SiteOrigin.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/common/Workspace.h"

#include <QWidget>

namespace q7582 {

ConfigCommands::ConfigCommands(Workspace& workspace, DialogProvider& dialogs, QWidget* window)
    : QObject(window), workspace_(workspace), dialogs_(dialogs), window_(window), recent_(workspace.settings().dir())
{
}

void ConfigCommands::save()
{
    const QString chosen =
        dialogs_.getSaveFileName(window_, configDialogText(ConfigDialogText::SaveTitle), QStringLiteral("."),
                                 configDialogText(ConfigDialogText::SaveFilter));
    if (chosen.isEmpty())
        return;
    const std::string path = withCfiExtension(filePath(chosen));
    // The dialog asked about the name as typed; a name that gained ".cfi" is asked here.
    if (path != filePath(chosen) && fileExists(path)
        && !dialogs_.okCancel(window_, configDialogText(ConfigDialogText::SaveTitle),
                              tr("%1 already exists.\nReplace it?").arg(QString::fromStdString(path))))
        return;
    const FileResult written = writeConfigFile(path, workspace_.config());
    if (!written.ok) {
        dialogs_.fileError(window_, written);
        return;
    }
    applySaved(workspace_.provenance(), path);
    remember(path);
    emit saved();
}

void ConfigCommands::open()
{
    if (!mayReplaceConfiguration(dialogs_, window_, workspace_.provenance(), QStringLiteral("Open")))
        return;
    const QString chosen = dialogs_.getOpenFileName(window_, configDialogText(ConfigDialogText::OpenTitle), QString(),
                                                    configDialogText(ConfigDialogText::OpenFilter));
    if (!chosen.isEmpty())
        openPath(filePath(chosen));
}

void ConfigCommands::openNamed(const QString& name)
{
    if (mayReplaceConfiguration(dialogs_, window_, workspace_.provenance(), QStringLiteral("Open")))
        openPath(filePath(name));
}

void ConfigCommands::openDropped(const QList<QUrl>& urls)
{
    const DroppedFile dropped = droppedConfigFile(urls);
    if (!dropped.refusal.isEmpty())
        dialogs_.warning(window_, QStringLiteral("Open"), dropped.refusal);
    else
        openNamed(fileNameFromPath(dropped.path));
}

void ConfigCommands::openRecent(const QString& name)
{
    const std::string path = filePath(name);
    if (fileExists(path)) {
        openNamed(name);
        return;
    }
    if (dialogs_.okCancel(window_, tr("Recent files"),
                          tr("%1 is not there any more.\nRemove it from the recent files?").arg(name))) {
        if (const FileResult r = recent_.remove(path); !r.ok)
            dialogs_.fileError(window_, r);
    }
}

// The chosen file, read whole before anything changes.
void ConfigCommands::openPath(const std::string& path)
{
    ConfigFileContent content;
    const FileResult read = readConfigFile(path, content);
    if (!read.ok) {
        dialogs_.fileError(window_, read);
        return;
    }
    if (!content.wholeImage()
        && !dialogs_.okCancel(window_, configDialogText(ConfigDialogText::OpenTitle),
                              partialFileWarning(path, content.fileSize)))
        return;
    applyOpenedFile(workspace_.config(), workspace_.provenance(), path, content);
    applySiteOfFile(workspace_.provenance(), fileNameFromPath(path), fileNameFromPath(workspace_.settings().dir()));
    remember(path);
    emit replaced();
}

// A list that cannot be written costs the list only: the file was opened or saved.
void ConfigCommands::remember(const std::string& path)
{
    if (const FileResult r = recent_.add(path); !r.ok)
        qCWarning(lcFiles).noquote() << "recent files not written:" << QString::fromStdString(r.error);
}

void ConfigCommands::loadDefault(int tag)
{
    if (!mayReplaceConfiguration(dialogs_, window_, workspace_.provenance(), tr("Load Default")))
        return;
    buildDefaultConfiguration(workspace_.config(), tag).applyTo(workspace_.provenance());
    emit replaced();
}

void ConfigCommands::compare()
{
    const QString chosen = dialogs_.getOpenFileName(window_, configDialogText(ConfigDialogText::CompareTitle),
                                                    QString(), configDialogText(ConfigDialogText::OpenFilter));
    if (chosen.isEmpty())
        return;
    ConfigImage file;
    if (const FileResult read = readWholeImage(filePath(chosen), file); !read.ok) {
        dialogs_.fileError(window_, read);
        return;
    }
    emit compared(compareConfigurations({file, chosen},
                                        {workspace_.config(), configurationDescription(workspace_.provenance())},
                                        workspace_.names())
                      .report);
}

void ConfigCommands::compareWithDefault()
{
    int master = configurationMaster(workspace_.provenance()).value_or(connected_ ? connected_().value_or(0) : 0);
    if (master < 0 || master >= ZoneSet::Masters)
        master = 0; // an address no default is built for
    ConfigImage factory;
    buildDefaultConfiguration(factory, master);
    emit compared(compareConfigurations({factory, tr("Default configuration of master %1").arg(master)},
                                        {workspace_.config(), configurationDescription(workspace_.provenance())},
                                        workspace_.names())
                      .report);
}

} // namespace q7582
