#pragma once
// ConfigEditor, "Edit configuration": the modal off-line editor of a working copy of the
// configuration image. Every control reads and writes the working copy; only Yes to
// the save question on close copies it back over the image.

#include "ui/common/DialogProvider.h"
#include "ui/common/HelpContexts.h"
#include "ui/common/Workspace.h"
#include "ui/config/EditHistory.h"
#include "ui/config/EditorSession.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace q7582 {

class GridPages;
class IoLogicPage;
class NameTables;
class ReportViewer;
class TimerPage;
class WindowHelp;

class ConfigEditor : public QDialog {
    Q_OBJECT

public:
    // workspace: the configuration it edits a copy of, the unit captions and the help-language
    // setting; viewer: where the listings go.
    ConfigEditor(Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs, QWidget* parent = nullptr);
    ~ConfigEditor() override;

    // Opens a help topic by context number (the main window passes its help opener).
    void setHelpHook(std::function<void(int context)> hook);
    // "Now" for the timer date repairs.
    void setClock(std::function<QDateTime()> now);

    // Config / Edit: take a fresh working copy and run the window modally.
    int execEditor();
    // Everything showing does before the window appears (also for a non-modal show).
    void prepareShow();
    // The close question; true when the window may close.
    bool confirmClose();
    // The program is ending with nobody to answer (a termination signal, the session's
    // end): an open editor closes without its question, and changes in it are kept in
    // a recovery file in the working folder.
    void closeKeepingChanges();

    EditorSession& session() { return session_; }
    const EditorSession& session() const { return session_; }
    const EditHistory& history() const { return history_; }
    // The help file the window uses, as chosen at the last show.
    const QString& helpFile() const { return helpFile_; }

public slots:
    void pageChanged(int index);
    void showModifiedState();
    void listKeysWithEvents();
    void listKeysWithoutZones();
    void listMessageEventsWithOutput();
    void listIncompleteMessageEvents();
    void listProgrammedTimers();

    // Escape and the close box: the close question decides.
    void reject() override;

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, and the two buttons: the working copy, the modified
    // flag and the page and record shown go back or forward one step.
    void undo();
    void redo();
    // Ends the gesture now: what it changed becomes one step (otherwise this runs once
    // the event loop is back).
    void commitStep();

private:
    void buildWindow();
    void buildPages();
    void buildListingButtons();
    void buildStatusBar();
    void buildUndoControls();
    EditorSelection selection() const;
    void scheduleCommit();
    void restore(const std::optional<EditorState>& state);
    void showUndoState();

    Workspace& workspace_;
    const NameTables& names_;
    ReportViewer& viewer_;
    DialogProvider& dialogs_;
    WindowHelp* help_ = nullptr;
    QString helpFile_;
    EditorSession session_;

    QWidget* mainPanel_ = nullptr;
    QTabWidget* pages_ = nullptr;
    GridPages* gridPages_ = nullptr;
    TimerPage* timerPage_ = nullptr;
    IoLogicPage* ioLogicPage_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* modifiedPanel_ = nullptr;
    QTimer* modifiedTimer_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
    EditHistory history_;
    bool commitPending_ = false;
};

} // namespace q7582
