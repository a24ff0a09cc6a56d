#include "ui/main/ConfigCommands.h"

#include "history/ConfigFiles.h"
#include "model/DefaultConfiguration.h"
#include "model/FilePath.h"
#include "reports/ConfigurationComparison.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/common/Workspace.h"

#include <QWidget>

namespace q7582 {

ConfigCommands::ConfigCommands(Workspace& workspace, DialogProvider& dialogs, QWidget* window)
    : QObject(window), workspace_(workspace), dialogs_(dialogs), window_(window)
{
}

void ConfigCommands::save()
{
    const QString chosen = dialogs_.getSaveFileName(window_, SaveConfigTitle, QStringLiteral("."), SaveConfigFilter);
    if (chosen.isEmpty())
        return;
    const std::string path = withCfiExtension(filePath(chosen));
    // The dialog asked about the name as typed; a name that gained ".cfi" is asked here.
    if (path != filePath(chosen) && fileExists(path)
        && !dialogs_.okCancel(window_, SaveConfigTitle,
                              QString::fromStdString(path) + QStringLiteral(" already exists.\nReplace it?")))
        return;
    const FileResult written = writeConfigFile(path, workspace_.config());
    if (!written.ok) {
        dialogs_.fileError(window_, written);
        return;
    }
    applySaved(workspace_.provenance(), path);
    emit saved();
}

void ConfigCommands::open()
{
    if (!mayReplaceConfiguration(dialogs_, window_, workspace_.provenance(), QStringLiteral("Open")))
        return;
    const QString chosen = dialogs_.getOpenFileName(window_, OpenConfigTitle, QString(), OpenConfigFilter);
    if (chosen.isEmpty())
        return;
    const std::string path = filePath(chosen);
    ConfigFileContent content;
    const FileResult read = readConfigFile(path, content);
    if (!read.ok) {
        dialogs_.fileError(window_, read);
        return;
    }
    if (!content.wholeImage()
        && !dialogs_.okCancel(window_, OpenConfigTitle, partialFileWarning(path, content.fileSize)))
        return;
    applyOpenedFile(workspace_.config(), workspace_.provenance(), path, content);
    emit replaced();
}

void ConfigCommands::loadDefault(int tag)
{
    if (!mayReplaceConfiguration(dialogs_, window_, workspace_.provenance(), QStringLiteral("Load Default")))
        return;
    buildDefaultConfiguration(workspace_.config(), tag).applyTo(workspace_.provenance());
    emit replaced();
}

void ConfigCommands::compare()
{
    const QString chosen = dialogs_.getOpenFileName(window_, CompareConfigTitle, QString(), OpenConfigFilter);
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

} // namespace q7582
