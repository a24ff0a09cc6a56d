// The four pages that share the zone/output grid: Units, VOX, Message events and Out
// events of TForm2.

#include "settings/Dizionario.h"
#include "ui/config/Config.h"
#include "ui/config/DialogAnswers.h"
#include "ui/config/ZoneGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace q7582 {

namespace {

QComboBox* combo(QWidget* page, const char* name, int top, int width = 120)
{
    auto* c = new QComboBox(page);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(10, top, width, 22);
    c->setMaxVisibleItems(20);
    return c;
}

void fillNumbered(QComboBox* c, const QString& prefix, int count)
{
    for (int n = 1; n <= count; ++n)
        c->addItem(prefix + QString::number(n));
}

QLabel* legend(QWidget* page, CellColour colour, const QString& text, int x, int y)
{
    auto* swatch = new CellLabel(QString(), page, false);
    swatch->setColour(colour);
    swatch->setGeometry(x, y, 15, 15);
    swatch->setFixedHeight(15);
    auto* l = new QLabel(text, page);
    l->setGeometry(x + 20, y, 110, 15);
    return l;
}

} // namespace

QWidget* TForm2::buildGridPage(const char* name, const QString& title, bool outputs)
{
    auto* page = new QWidget(Page);
    page->setObjectName(QString::fromLatin1(name));
    Page->addTab(page, title);
    for (int g = 0; g < 6; ++g) {
        auto* c = new QLabel(outputs ? QStringLiteral("Card %1").arg(g + 1) : QStringLiteral("Slave %1").arg(g), page);
        c->setAlignment(Qt::AlignCenter);
        c->setGeometry(ZoneGrid::groupLeft(g), ZoneGrid::bottom() + 4, ZoneGrid::groupWidth(), 16);
    }
    const int y = ZoneGrid::bottom() + 30;
    if (outputs) {
        legend(page, CellColour::Green, QStringLiteral("Activated out"), 220, y);
        unaffectedLegend_ = legend(page, CellColour::White, QStringLiteral("Unaffected out"), 370, y);
        legend(page, CellColour::Red, QStringLiteral("Deactivated out"), 520, y);
    } else {
        legend(page, CellColour::Green, QStringLiteral("Selected zone"), 220, y);
        legend(page, CellColour::White, QStringLiteral("Unselected zone"), 370, y);
    }
    return page;
}

void TForm2::buildGridPages()
{
    TSunits = buildGridPage("TSunits", QStringLiteral("Units"), false);
    TSvox = buildGridPage("TSvox", QStringLiteral("VOX"), false);
    TSmsg = buildGridPage("TSmsg", QStringLiteral("Message events"), false);
    TSout = buildGridPage("TSout", QStringLiteral("Out events"), true);

    CBUnit = combo(TSunits, "CBUnit", 10);
    CBKey = combo(TSunits, "CBKey", 33);
    CBVox = combo(TSvox, "CBVox", 10);
    CBVox->addItems({QStringLiteral("VOX1"), QStringLiteral("VOX2")});
    CBMsg1 = combo(TSmsg, "CBMsg1", 10);
    fillNumbered(CBMsg1, QStringLiteral("Message event "), ConfigImage::MessageEvents);
    CBOut = combo(TSout, "CBOut", 10);
    fillNumbered(CBOut, QStringLiteral("Out event "), ConfigImage::OutEvents);
    CBOut->addItem(QStringLiteral("RESET"));
    fillUnitList();
    fillKeyList();

    const int helpTop = ZoneGrid::bottom() + 50;
    addHelpButton(TSunits, "BbKey", HelpTopic::Keys, 10, helpTop);
    addHelpButton(TSvox, "BbVox", HelpTopic::Vox, 10, helpTop);
    addHelpButton(TSmsg, "BbMsg", HelpTopic::Messages, 10, helpTop);
    addHelpButton(TSout, "BbOut", HelpTopic::OutEvents, 10, helpTop);

    grid_ = new ZoneGrid(TSunits);
    connect(grid_, &ZoneGrid::cellClicked, this, &TForm2::cellClick);
    connect(grid_, &ZoneGrid::rowClicked, this, &TForm2::rowToggle);
    connect(grid_, &ZoneGrid::numberBoxClicked, this, &TForm2::NumberBoxClick);
    connect(grid_, &ZoneGrid::outputEventBoxClicked, this, &TForm2::OutputEventBoxClick);

    connect(CBUnit, &QComboBox::currentIndexChanged, this, &TForm2::CBUnitChange);
    connect(CBKey, &QComboBox::currentIndexChanged, this, &TForm2::CBKeyChange);
    connect(CBVox, &QComboBox::currentIndexChanged, this, &TForm2::CBVoxChange);
    connect(CBMsg1, &QComboBox::currentIndexChanged, this, &TForm2::CBMsg1Change);
    connect(CBOut, &QComboBox::currentIndexChanged, this, &TForm2::CBOutChange);
}

void TForm2::fillUnitList()
{
    const QSignalBlocker block(CBUnit);
    CBUnit->clear();
    for (int n = 1; n <= ConfigImage::Units; ++n)
        CBUnit->addItem(QString::fromStdString(names_.unitCaption(n)));
    CBUnit->setCurrentIndex(session_.SelectedUnit);
    // The other lists never change; put back what was selected last time.
    for (auto [c, i] : {std::pair{CBVox, session_.SelectedVox}, std::pair{CBMsg1, session_.SelectedMessageEvent},
                        std::pair{CBOut, session_.SelectedOutEvent}}) {
        const QSignalBlocker b(c);
        c->setCurrentIndex(i);
    }
}

void TForm2::fillKeyList()
{
    const QSignalBlocker block(CBKey);
    CBKey->clear();
    const bool ioCard = session_.SelectedUnit < ConfigImage::IoCards;
    for (int k = 0; k < 36; ++k)
        CBKey->addItem((ioCard && k < 6 ? QStringLiteral("Key/input ") : QStringLiteral("Key ")) + QString::number(k + 1));
    CBKey->addItems({QStringLiteral("PTT/Lock"), QStringLiteral("ALL Esp. 1"), QStringLiteral("ALL Esp. 2")});
    CBKey->setCurrentIndex(session_.SelectedKey);
}

KeyRecord TForm2::currentPagingRecord()
{
    ConfigImage& w = session_.WorkingCopy;
    switch (session_.CurrentPage) {
    case PageVox:
        return w.vox(session_.SelectedVox + 1);
    case PageMessages:
        return w.messageEvent(session_.SelectedMessageEvent + 1);
    default:
        return w.key(session_.SelectedUnit, session_.SelectedKey);
    }
}

GridTarget TForm2::currentTarget()
{
    if (session_.CurrentPage != PageOutEvents)
        return GridTarget::zones(currentPagingRecord().zones());
    if (session_.SelectedOutEvent == ConfigImage::OutEvents)
        return GridTarget::reset(session_.WorkingCopy.resetOutEvent());
    return GridTarget::outEvent(session_.WorkingCopy.outEvent(session_.SelectedOutEvent + 1));
}

void TForm2::showPagingNumbers(bool messageNumber)
{
    KeyRecord r = currentPagingRecord();
    if (messageNumber) {
        repairMessageNumber(r);
        grid_->showNumber(messageNumberText(r.messageNumber()));
    } else {
        repairVoxPriority(r);
        grid_->showNumber(QString::number(r.voxPriority()));
    }
    repairOutputEvent(r);
    grid_->showOutputEvent(r.outputEvent());
}

void TForm2::showKey()
{
    session_.SelectedUnit = CBUnit->currentIndex();
    session_.SelectedKey = CBKey->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(true);
}

void TForm2::showVox()
{
    session_.SelectedVox = CBVox->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(false);
}

void TForm2::showMessageEvent()
{
    session_.SelectedMessageEvent = CBMsg1->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(true);
}

void TForm2::showOutEvent()
{
    session_.SelectedOutEvent = CBOut->currentIndex();
    const bool reset = session_.SelectedOutEvent == ConfigImage::OutEvents;
    unaffectedLegend_->setVisible(!reset);
    grid_->draw(currentTarget());
    grid_->showNumber(QString());
    grid_->showOutputEvent(-1);
    // Both out event records start with their state set; the zero bytes follow it.
    clearOutEventNumbers(currentTarget().states);
}

void TForm2::CBUnitChange()
{
    showKey();
    fillKeyList();
}

void TForm2::CBKeyChange() { showKey(); }
void TForm2::CBVoxChange() { showVox(); }
void TForm2::CBMsg1Change() { showMessageEvent(); }
void TForm2::CBOutChange() { showOutEvent(); }

void TForm2::cellClick(int m, int z)
{
    CellLabel* cell = grid_->cell(m, z);
    cell->setColour(clickCell(currentTarget(), m, z, cell->colour()));
    session_.markModified();
}

void TForm2::rowToggle(int m)
{
    const GridTarget t = currentTarget();
    if (!toggleRow(t, m))
        return;
    grid_->draw(t);
    session_.markModified();
}

void TForm2::NumberBoxClick()
{
    KeyRecord r = currentPagingRecord();
    const QString box = grid_->numberBox()->text();
    if (session_.CurrentPage == PageVox) {
        const auto a = askUntilValid(*dialogs_, this, QStringLiteral("Change priority"),
                                     QStringLiteral("Priority number 1...7"), box, acceptPriority);
        if (!a)
            return;
        if (a->changed)
            session_.markModified();
        grid_->showNumber(QString::number(a->value));
        r.setVoxPriority(Byte(a->value));
        return;
    }
    const auto a = askUntilValid(*dialogs_, this, QStringLiteral("Change message number"),
                                 QStringLiteral("Message number 0...127 (0=none)"), messageNumberPrefill(box),
                                 acceptMessageNumber);
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    grid_->showNumber(messageNumberText(a->value));
    r.setMessageNumber(Byte(a->value));
}

void TForm2::OutputEventBoxClick()
{
    const auto a = askOutputEvent(*dialogs_, this, grid_->outputEventBox()->text());
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    grid_->showOutputEvent(a->value);
    currentPagingRecord().setOutputEvent(Byte(a->value));
}

} // namespace q7582
