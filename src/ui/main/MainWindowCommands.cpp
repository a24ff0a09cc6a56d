// MainWindow: the commands on the whole configuration: Edit, Upload, Download, Save, Open,
// Load Default, and the message folder compiler's item.

#include "model/DefaultConfiguration.h"
#include "ui/main/ConfigFiles.h"
#include "ui/main/MainWindow.h"

namespace q7582 {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void MainWindow::openMessageFolder()
{
    if (openMessageCompiler_)
        openMessageCompiler_();
}

void MainWindow::editConfiguration()
{
    if (openConfigEditor_)
        openConfigEditor_();
}

// Only a connected master serves a transfer; a generator never would, and the window
// would stay disabled waiting for it.
bool MainWindow::masterServesTransfers(const QString& command)
{
    if (shared_.connectionState.load() == Connected && !generatorMode_)
        return true;
    dialogs_->warning(this, command, QStringLiteral("No master connected"));
    return false;
}

void MainWindow::uploadConfiguration()
{
    if (!masterServesTransfers(QStringLiteral("Upload")))
        return;
    disableMainWindow();
    shared_.requests.uploadRequest = true;
    offerCancel(TransferKind::Upload);
}

void MainWindow::downloadConfiguration()
{
    if (!masterServesTransfers(QStringLiteral("Download")))
        return;
    disableMainWindow();
    shared_.requests.downloadRequest = true;
}

void MainWindow::saveConfiguration()
{
    const QString chosen = dialogs_->getSaveFileName(this, SaveConfigTitle, QStringLiteral("."), SaveConfigFilter);
    if (chosen.isEmpty())
        return;
    const std::string path = withCfiExtension(chosen.toStdString());
    // The dialog asked about the name as typed; a name that gained ".cfi" is asked here.
    if (path != chosen.toStdString() && fileExists(path)
        && !dialogs_->okCancel(this, SaveConfigTitle, q(path) + QStringLiteral(" already exists.\nReplace it?")))
        return;
    const FileResult saved = saveConfigFile(path, config_);
    if (!saved.ok) {
        showFileError(saved);
        return;
    }
    applySaved(provenance_, path);
    captionRefresh(); // at once, so that a cleared " - MODIFIED" does not linger
}

void MainWindow::openConfiguration()
{
    const QString chosen = dialogs_->getOpenFileName(this, OpenConfigTitle, QString(), OpenConfigFilter);
    if (chosen.isEmpty())
        return;
    const std::string path = chosen.toStdString();
    ConfigFileContent content;
    const FileResult read = readConfigFile(path, content);
    if (!read.ok) {
        showFileError(read);
        return;
    }
    if (!content.wholeImage() && !dialogs_->okCancel(this, OpenConfigTitle, partialFileWarning(path, content.fileSize)))
        return;
    applyOpenedFile(config_, provenance_, path, content);
    configurationReplaced();
}

void MainWindow::loadDefaultConfiguration(int tag)
{
    buildDefaultConfiguration(config_, tag).applyTo(provenance_);
    configurationReplaced();
}

} // namespace q7582
