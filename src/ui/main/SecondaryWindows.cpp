#include "ui/main/SecondaryWindows.h"

#include "msgfolder/MessageFolderWindow.h"
#include "ui/config/ConfigEditor.h"
#include "ui/main/MainWindow.h"

namespace q7582 {

SecondaryWindows createSecondaryWindows(MainWindow& window)
{
    SecondaryWindows w;
    w.editor = new ConfigEditor(window.configImage(), window.provenance(), window.names(), window.settings(),
                               window.reportViewer(), window.dialogs(), &window);
    w.editor->setHelpHook([&window](int context) { window.helpOpener().open(context); });
    QObject::connect(w.editor, &ConfigEditor::configurationCommitted, &window, &MainWindow::configurationReplaced);
    window.setConfigEditorOpener([editor = w.editor] { editor->execEditor(); });

    w.compiler = new MessageFolderWindow(window.dialogs(), &window);
    w.compiler->openHelp = [&window](int context) { window.helpOpener().open(context); };
    window.setMessageCompilerOpener([compiler = w.compiler] { compiler->exec(); });
    return w;
}

} // namespace q7582
