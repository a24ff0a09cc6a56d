#include "ui/config/Config.h"

#include "reports/Listform.h"
#include "settings/Dizionario.h"
#include "settings/Init.h"
#include "ui/config/EditorPictures.h"
#include "ui/config/IoLogicPage.h"
#include "ui/config/Listings.h"
#include "ui/config/TimerPage.h"
#include "ui/config/ZoneGrid.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace q7582 {

namespace {

constexpr int ClientWidth = 844, ClientHeight = 418;
constexpr int PageHeight = 284;

} // namespace

TForm2::TForm2(ConfigImage& image, Provenance& provenance, const Dizionario& names, const Init& init,
               TForm3& viewer, std::shared_ptr<EditorDialogs> dialogs, QWidget* parent)
    : QDialog(parent), image_(image), provenance_(provenance), names_(names), init_(init), viewer_(viewer),
      dialogs_(std::move(dialogs))
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Edit configuration"));
    setFixedSize(ClientWidth, ClientHeight);
    // Until the main window passes its opener, the topic is named in a box.
    help_ = [this](int context) {
        dialogs_->message(this, QStringLiteral("Help"),
                          QStringLiteral("Help topic %1 of %2").arg(context).arg(helpFile_));
    };
    buildWindow();
}

TForm2::~TForm2() = default;

void TForm2::setClock(std::function<QDateTime()> now) { TStimer->setClock(std::move(now)); }

void TForm2::buildWindow()
{
    mainPanel_ = new QWidget(this);
    mainPanel_->setObjectName(QStringLiteral("MainPanel"));
    mainPanel_->setGeometry(0, 0, ClientWidth, ClientHeight);
    mainPanel_->setFocusPolicy(Qt::StrongFocus);

    Page = new QTabWidget(mainPanel_);
    Page->setObjectName(QStringLiteral("Page"));
    Page->setGeometry(10, 10, ClientWidth - 20, PageHeight);

    buildGridPages();
    TStimer = new TimerPage(session_, *dialogs_, Page);
    Page->addTab(TStimer, QStringLiteral("Timer events"));
    addHelpButton(TStimer, "BbTimer", HelpTopic::Timers, 10, 220);
    TSinout = new IoLogicPage(session_, Page);
    Page->addTab(TSinout, QStringLiteral("IN/OUT logic"));
    addHelpButton(TSinout, "BbLogic", HelpTopic::Logic, 10, 220);
    connect(Page, &QTabWidget::currentChanged, this, &TForm2::PageChange);

    // The five listings and their help, in two columns under the pages.
    auto* listings = new QWidget(mainPanel_);
    listings->setGeometry(10, 10 + PageHeight + 2, ClientWidth - 20, ClientHeight - PageHeight - 36);
    auto* layout = new QGridLayout(listings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    const std::array<std::pair<const char*, const char*>, 5> buttons{{
        {"Button3", "List keys and inputs with message or output event"},
        {"Button4", "List keys and inputs with no zones associated"},
        {"Button5", "List message events with output event"},
        {"Button6", "List message events with no messages or zones associated"},
        {"Button7", "List programmed timer events "},
    }};
    const std::array<void (TForm2::*)(), 5> handlers{&TForm2::Button3Click, &TForm2::Button4Click,
                                                     &TForm2::Button5Click, &TForm2::Button6Click,
                                                     &TForm2::Button7Click};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(buttons[i].second), listings);
        b->setObjectName(QString::fromLatin1(buttons[i].first));
        connect(b, &QPushButton::clicked, this, handlers[i]);
        layout->addWidget(b, i / 2, i % 2);
    }
    QPushButton* report = addHelpButton(listings, "BbReport", HelpTopic::Listings, 0, 0);
    layout->addWidget(report, 2, 1, Qt::AlignLeft);

    StatusBar1 = new QStatusBar(mainPanel_);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, ClientHeight - 22, ClientWidth, 22);
    statusPanel0_ = new QLabel(StatusBar1);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setFixedWidth(250);
    auto* panel1 = new QLabel(StatusBar1);
    panel1->setFixedWidth(50);
    StatusBar1->addWidget(statusPanel0_);
    StatusBar1->addWidget(panel1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
    Timer1->start();

    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { openHelp(HelpTopic::Editor); });
}

QPushButton* TForm2::addHelpButton(QWidget* parent, const char* name, int context, int x, int y)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon(editorPictures::help()));
    b->setToolTip(QStringLiteral("Help"));
    b->setGeometry(x, y, 25, 25);
    b->setFixedSize(25, 25);
    b->installEventFilter(this);
    connect(b, &QPushButton::clicked, this, [this, context] { openHelp(context); });
    return b;
}

void TForm2::openHelp(int context)
{
    if (help_)
        help_(context);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving a help button hands the keyboard focus back to the panel.
    if (event->type() == QEvent::Leave && qobject_cast<QPushButton*>(watched))
        mainPanel_->setFocus();
    return QDialog::eventFilter(watched, event);
}

int TForm2::execEditor()
{
    FormShow();
    // Modal over the main window only: the report viewer the listings open must stay
    // usable while the editor is up.
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    return exec();
}

void TForm2::FormShow()
{
    session_.WorkingCopy = image_;
    fillUnitList();
    session_.ModifiedFlag = false;
    if (Page->currentIndex() != PageUnits)
        Page->setCurrentIndex(PageUnits); // runs the page change
    else
        PageChange(PageUnits);
    helpFile_ = QString::fromStdString(init_.helpFile());
    Timer1Timer();
}

void TForm2::PageChange(int index)
{
    switch (index) {
    case PageUnits:
        grid_->moveTo(TSunits);
        session_.CurrentPage = PageUnits;
        showKey();
        grid_->showBoxes(true, QStringLiteral("Message"));
        break;
    case PageVox:
        grid_->moveTo(TSvox);
        session_.CurrentPage = PageVox;
        showVox();
        grid_->showBoxes(true, QStringLiteral("Priority"));
        break;
    case PageMessages:
        grid_->moveTo(TSmsg);
        session_.CurrentPage = PageMessages;
        showMessageEvent();
        grid_->showBoxes(true, QStringLiteral("Message"));
        break;
    case PageOutEvents:
        grid_->moveTo(TSout);
        session_.CurrentPage = PageOutEvents;
        showOutEvent();
        grid_->showBoxes(false);
        break;
    case PageTimers:
        session_.CurrentPage = PageTimers;
        TStimer->showTimer();
        break;
    case PageInOut:
        session_.CurrentPage = PageInOut;
        TSinout->refresh();
        break;
    default:
        break;
    }
}

void TForm2::Timer1Timer()
{
    statusPanel0_->setText(session_.ModifiedFlag ? QStringLiteral("Configuration modified")
                                                 : QStringLiteral("Original configuration"));
}

bool TForm2::FormClose()
{
    if (!session_.ModifiedFlag)
        return true;
    switch (dialogs_->askSave(QStringLiteral("Configuration is modified, save changes ?"),
                              QStringLiteral("Yes = save & quit\nNo = quit\nCancel = continue"))) {
    case SaveAnswer::Yes:
        applyEditorAccepted(image_, provenance_, session_.WorkingCopy);
        emit configurationCommitted();
        return true;
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TForm2::reject()
{
    if (FormClose())
        QDialog::reject();
}

void TForm2::Button3Click() { viewer_.showReport(keysWithEventsListing(session_.WorkingCopy, names_)); }
void TForm2::Button4Click() { viewer_.showReport(keysWithoutZonesListing(session_.WorkingCopy, names_)); }
void TForm2::Button5Click() { viewer_.showReport(messageEventsWithOutputListing(session_.WorkingCopy)); }
void TForm2::Button6Click() { viewer_.showReport(messageEventsIncompleteListing(session_.WorkingCopy)); }
void TForm2::Button7Click() { viewer_.showReport(programmedTimersListing(session_.WorkingCopy)); }

} // namespace q7582
