#include "ui/config/ConfigEditor.h"

#include "model/FileLog.h"
#include "settings/NameTables.h"
#include "settings/SettingsFile.h"
#include "ui/common/RecoveryFiles.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/WindowHelp.h"
#include "ui/common/Workspace.h"
#include "ui/config/GridPages.h"
#include "ui/config/IoLogicPage.h"
#include "ui/config/Listings.h"
#include "ui/config/TimerPage.h"
#include "ui/config/ZoneGrid.h"
#include "ui/reports/ReportViewer.h"
#include "ui/reports/WhereUsedMenu.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <array>

namespace q7582 {

namespace {

constexpr int ClientWidth = 844, ClientHeight = 418;
constexpr int PageHeight = 284;

} // namespace

ConfigEditor::ConfigEditor(Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs, QWidget* parent)
    : QDialog(parent), workspace_(workspace), names_(workspace.names()), viewer_(viewer), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("Edit configuration"));
    // Until the main window passes its opener, the topic is named in a box.
    help_ = new WindowHelp(
        *this, "HelpKey", [] { return HelpContext::ConfigEditor; },
        [this](int context) {
            dialogs_.warning(this, tr("Help"), tr("Help topic %1 of %2").arg(context).arg(helpFile_));
        });
    buildWindow();
    fitFixedWindow(*this, QSize(ClientWidth, ClientHeight));
}

ConfigEditor::~ConfigEditor() = default;

void ConfigEditor::setClock(std::function<QDateTime()> now) { timerPage_->setClock(std::move(now)); }

void ConfigEditor::buildWindow()
{
    mainPanel_ = new QWidget(this);
    mainPanel_->setObjectName(QStringLiteral("MainPanel"));
    mainPanel_->setGeometry(0, 0, ClientWidth, ClientHeight);
    mainPanel_->setFocusPolicy(Qt::StrongFocus);

    buildPages();
    buildListingButtons();
    buildStatusBar();
    buildUndoControls();

    modifiedTimer_ = new QTimer(this);
    modifiedTimer_->setObjectName(QStringLiteral("Timer1"));
    modifiedTimer_->setInterval(500);
    connect(modifiedTimer_, &QTimer::timeout, this, &ConfigEditor::showModifiedState);
    modifiedTimer_->start();

    // Leaving a help button hands the keyboard focus back to the panel.
    help_->connectButtons(mainPanel_);
}

void ConfigEditor::buildPages()
{
    pages_ = new QTabWidget(mainPanel_);
    pages_->setObjectName(QStringLiteral("Page"));
    pages_->setGeometry(10, 10, ClientWidth - 20, PageHeight);

    gridPages_ = new GridPages(session_, names_, dialogs_, pages_);
    connect(gridPages_, &GridPages::whereUsedRequested, this, [this](const UsedItem& item, QPoint at) {
        popUpWhereUsed(this, {item}, at, [this](const UsedItem& shown) {
            viewer_.showReport(
                whereUsed(session_.workingCopy, shown, names_, configurationMaster(workspace_.provenance())).report);
        });
    });
    const struct {
        int page;
        const char* name;
        int context;
    } gridHelp[] = {{PageUnits, "BbKey", HelpContext::EditorKeys},
                    {PageVox, "BbVox", HelpContext::EditorVox},
                    {PageMessages, "BbMsg", HelpContext::EditorMessages},
                    {PageOutEvents, "BbOut", HelpContext::EditorOutEvents}};
    for (const auto& help : gridHelp)
        makeHelpButton(gridPages_->page(help.page), help.name, help.context, HelpButtonLook::Framed,
                       QPoint(10, ZoneGrid::bottom() + 50));

    timerPage_ = new TimerPage(session_, dialogs_, pages_);
    pages_->addTab(timerPage_, tr("Timer events"));
    makeHelpButton(timerPage_, "BbTimer", HelpContext::EditorTimers, HelpButtonLook::Framed, QPoint(10, 220));
    ioLogicPage_ = new IoLogicPage(session_, pages_);
    pages_->addTab(ioLogicPage_, tr("IN/OUT logic"));
    makeHelpButton(ioLogicPage_, "BbLogic", HelpContext::EditorLogic, HelpButtonLook::Framed, QPoint(10, 220));
    connect(pages_, &QTabWidget::currentChanged, this, &ConfigEditor::pageChanged);
}

// The five listings and their help, in two columns under the pages.
void ConfigEditor::buildListingButtons()
{
    auto* listings = new QWidget(mainPanel_);
    listings->setGeometry(10, 10 + PageHeight + 2, ClientWidth - 20, ClientHeight - PageHeight - 36);
    auto* layout = new QGridLayout(listings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    const std::array<std::pair<const char*, const char*>, 5> buttons{{
        {"Button3", QT_TR_NOOP("List keys and inputs with message or output event")},
        {"Button4", QT_TR_NOOP("List keys and inputs with no zones associated")},
        {"Button5", QT_TR_NOOP("List message events with output event")},
        {"Button6", QT_TR_NOOP("List message events with no messages or zones associated")},
        {"Button7", QT_TR_NOOP("List programmed timer events ")},
    }};
    const std::array<void (ConfigEditor::*)(), 5> handlers{
        &ConfigEditor::listKeysWithEvents, &ConfigEditor::listKeysWithoutZones,
        &ConfigEditor::listMessageEventsWithOutput, &ConfigEditor::listIncompleteMessageEvents,
        &ConfigEditor::listProgrammedTimers};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(tr(buttons[i].second), listings);
        b->setObjectName(QString::fromLatin1(buttons[i].first));
        connect(b, &QPushButton::clicked, this, handlers[i]);
        layout->addWidget(b, i / 2, i % 2);
    }
    layout->addWidget(makeHelpButton(listings, "BbReport", HelpContext::EditorListings, HelpButtonLook::Framed), 2, 1,
                      Qt::AlignLeft);
}

void ConfigEditor::buildStatusBar()
{
    statusBar_ = new QStatusBar(mainPanel_);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, ClientHeight - 22, ClientWidth, 22);
    modifiedPanel_ = new QLabel(statusBar_);
    modifiedPanel_->setObjectName(QStringLiteral("StatusPanel0"));
    modifiedPanel_->setFixedWidth(250);
    auto* spacerPanel = new QLabel(statusBar_);
    spacerPanel->setFixedWidth(50);
    statusBar_->addWidget(modifiedPanel_);
    statusBar_->addWidget(spacerPanel);
}

void ConfigEditor::buildUndoControls()
{
    const auto button = [this](const char* name, void (ConfigEditor::*handler)()) {
        auto* b = new QPushButton(statusBar_);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedWidth(260);
        b->setFocusPolicy(Qt::NoFocus); // the focus stays on the page being edited
        connect(b, &QPushButton::clicked, this, handler);
        statusBar_->addPermanentWidget(b);
        return b;
    };
    undoButton_ = button("UndoButton", &ConfigEditor::undo);
    redoButton_ = button("RedoButton", &ConfigEditor::redo);
    const auto shortcut = [this](const char* name, QList<QKeySequence> keys, void (ConfigEditor::*handler)()) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, handler);
        addAction(a);
    };
    shortcut("UndoKey", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &ConfigEditor::undo);
    shortcut("RedoKey", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
             &ConfigEditor::redo);
    session_.changed = [this] {
        history_.shown(session_.workingCopy, selection());
        scheduleCommit();
    };
    showUndoState();
}

void ConfigEditor::setHelpHook(std::function<void(int context)> hook) { help_->setOpener(std::move(hook)); }

int ConfigEditor::execEditor()
{
    prepareShow();
    // Modal over the main window only: the report viewer the listings open must stay
    // usable while the editor is up.
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    return exec();
}

void ConfigEditor::prepareShow()
{
    session_.workingCopy = workspace_.config();
    gridPages_->fillUnitList();
    session_.modified = false;
    if (pages_->currentIndex() != PageUnits)
        pages_->setCurrentIndex(PageUnits); // runs the page change
    else
        pageChanged(PageUnits);
    helpFile_ = QString::fromStdString(workspace_.settings().helpFile());
    // The first page's repairs are part of what is shown, not a step: undoing them would
    // show the record, which repairs it again.
    history_.start(session_.workingCopy, selection());
    showModifiedState();
    showUndoState();
}

EditorSelection ConfigEditor::selection() const
{
    const EditorSession& s = session_;
    return {s.currentPage,          s.selectedUnit,     s.selectedKey,  s.selectedVox,
            s.selectedMessageEvent, s.selectedOutEvent, s.selectedTimer};
}

// One step per gesture: the edits and the repairs of one event are gathered until the
// event loop is back.
void ConfigEditor::scheduleCommit()
{
    if (commitPending_)
        return;
    commitPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (commitPending_)
            commitStep();
    });
}

void ConfigEditor::commitStep()
{
    commitPending_ = false;
    const bool stepped = history_.record(
        session_.workingCopy, session_.modified, selection(),
        [this](const ConfigImage& before, const ConfigImage& after) { return describeStep(before, after, names_); });
    if (stepped)
        showUndoState();
}

void ConfigEditor::undo()
{
    commitStep();
    restore(history_.undo());
}

void ConfigEditor::redo()
{
    commitStep();
    restore(history_.redo());
}

// The state's selection was shown with these very bytes, so showing it again repairs
// nothing; should a page still write, that write becomes a step of its own.
void ConfigEditor::restore(const std::optional<EditorState>& state)
{
    if (!state)
        return;
    session_.workingCopy = state->image;
    session_.modified = state->modified;
    const EditorSelection& s = state->selection;
    session_.selectedUnit = s.unit;
    session_.selectedKey = s.key;
    session_.selectedVox = s.vox;
    session_.selectedMessageEvent = s.messageEvent;
    session_.selectedOutEvent = s.outEvent;
    session_.selectedTimer = s.timer;
    gridPages_->showSelection();
    timerPage_->selectSessionTimer();
    {
        const QSignalBlocker block(pages_);
        pages_->setCurrentIndex(s.page);
    }
    pageChanged(s.page);
    commitStep();
    showModifiedState();
    showUndoState();
}

void ConfigEditor::showUndoState()
{
    const auto show = [](QPushButton* b, const QString& verb, const QString& label, const QString& keys) {
        const QString text = label.isEmpty() ? verb : verb + QStringLiteral(": ") + label;
        b->setText(b->fontMetrics().elidedText(text, Qt::ElideRight, b->width() - 12));
        b->setToolTip(text + QStringLiteral(" (") + keys + QLatin1Char(')'));
        b->setEnabled(!label.isEmpty());
    };
    show(undoButton_, tr("Undo"), history_.undoLabel(), QStringLiteral("Ctrl+Z"));
    show(redoButton_, tr("Redo"), history_.redoLabel(), QStringLiteral("Ctrl+Shift+Z, Ctrl+Y"));
}

void ConfigEditor::pageChanged(int index)
{
    if (index < PageUnits || index > PageInOut)
        return;
    session_.currentPage = index;
    if (index == PageTimers)
        timerPage_->showTimer();
    else if (index == PageInOut)
        ioLogicPage_->refresh();
    else
        gridPages_->showPage(index);
}

void ConfigEditor::showModifiedState()
{
    modifiedPanel_->setText(session_.modified ? tr("Configuration modified") : tr("Original configuration"));
}

bool ConfigEditor::confirmClose()
{
    if (!session_.modified)
        return true;
    switch (dialogs_.askSave(tr("Configuration is modified, save changes ?"),
                             tr("Yes = save & quit\nNo = quit\nCancel = continue"))) {
    case SaveAnswer::Yes:
        workspace_.acceptEdited(session_.workingCopy);
        return true;
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void ConfigEditor::closeKeepingChanges()
{
    if (!isVisible())
        return;
    if (session_.modified) {
        const FileResult kept =
            saveRecoveryFile(workspace_.settings().dir(), session_.workingCopy, QDateTime::currentDateTime());
        if (!kept.ok)
            qCWarning(lcFiles).noquote() << "the editor's changes were lost:" << QString::fromStdString(kept.error);
    }
    done(QDialog::Rejected); // past reject(), which would ask
}

void ConfigEditor::reject()
{
    if (confirmClose())
        QDialog::reject();
}

void ConfigEditor::listKeysWithEvents() { viewer_.showReport(keysWithEventsListing(session_.workingCopy, names_)); }
void ConfigEditor::listKeysWithoutZones() { viewer_.showReport(keysWithoutZonesListing(session_.workingCopy, names_)); }
void ConfigEditor::listMessageEventsWithOutput()
{
    viewer_.showReport(messageEventsWithOutputListing(session_.workingCopy));
}
void ConfigEditor::listIncompleteMessageEvents()
{
    viewer_.showReport(messageEventsIncompleteListing(session_.workingCopy));
}
void ConfigEditor::listProgrammedTimers() { viewer_.showReport(programmedTimersListing(session_.workingCopy)); }

} // namespace q7582
