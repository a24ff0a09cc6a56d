#include "program/SecondaryWindows.h"

#include "ui/config/ConfigEditor.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/reports/ReportViewer.h"
#include "ui/timeline/TimelineOpener.h"

namespace q7582 {

SecondaryWindows createSecondaryWindows(MainWindow& window, Workspace& workspace)
{
    SecondaryWindows w;
    w.editor = new ConfigEditor(workspace, window.reportViewer(), window.dialogs(), &window);
    w.editor->setHelpHook([&window](int context) { window.helpOpener().open(context); });
    window.setConfigEditorOpener([editor = w.editor] { editor->execEditor(); });
    QObject::connect(&window, &MainWindow::sessionEnding, w.editor, &ConfigEditor::closeKeepingChanges);

    w.history = new HistoryWindow(workspace, window.reportViewer(), window.dialogs(), &window);
    w.history->setHelpHook([&window](int context) { window.helpOpener().open(context); });
    window.setHistoryOpener([history = w.history] { history->execHistory(); });
    // An opened entry replaced the configuration, as the editor's "Yes" does.
    QObject::connect(w.history, &HistoryWindow::opened, &workspace, &Workspace::configurationChanged);

    w.compiler = new MessageFolderWindow(window.dialogs(), &window);
    w.compiler->setHelpHook([&window](int context) { window.helpOpener().open(context); });
    window.setMessageCompilerOpener([compiler = w.compiler] { compiler->exec(); });

    w.timeline = new TimelineOpener(window.dialogs(), &window);
    w.timeline->setHelpHook([&window](int context) { window.helpOpener().open(context); });
    w.timeline->setReportHook([&window](const Report& report) { window.reportViewer().showReport(report); });
    window.setTimelineOpener([timeline = w.timeline] { timeline->chooseAndOpen(); });
    window.setRecordingOpener([timeline = w.timeline](const QString& path) { timeline->open(path); });
    return w;
}

} // namespace q7582
