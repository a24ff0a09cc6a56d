#include "ui/main/SecondaryWindows.h"

#include "msgfolder/SDIMAIN.h"
#include "ui/config/Config.h"
#include "ui/main/Main.h"

namespace q7582 {

SecondaryWindows createSecondaryWindows(TForm1& window)
{
    SecondaryWindows w;
    w.editor = new TForm2(window.configImage(), window.provenance(), window.names(), window.settings(),
                          window.reportViewer(), std::make_shared<QtEditorDialogs>(), &window);
    w.editor->setHelpHook([&window](int context) { window.helpOpener().open(context); });
    QObject::connect(w.editor, &TForm2::configurationCommitted, &window, &TForm1::configurationReplaced);
    window.setConfigEditorOpener([editor = w.editor] { editor->execEditor(); });

    w.compiler = new TSDIAppForm(nullptr, &window);
    w.compiler->openHelp = [&window](int context) { window.helpOpener().open(context); };
    window.setMessageCompilerOpener([compiler = w.compiler] { compiler->exec(); });
    return w;
}

} // namespace q7582
