#include "ui/config/GridPages.h"

#include "settings/NameTables.h"
#include "ui/config/DialogAnswers.h"
#include "ui/config/EditorQuestions.h"
#include "ui/config/SelectorCombo.h"
#include "ui/config/ZoneGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace q7582 {

namespace {

// Left of the zone grid's row captions.
QComboBox* combo(QWidget* page, const char* name, int top) { return new SelectorCombo(page, name, {10, top, 125, 22}); }

void fillNumbered(QComboBox* c, const QString& prefix, int count)
{
    for (int n = 1; n <= count; ++n)
        c->addItem(prefix + QString::number(n));
}

// A colour square and its text, shown and hidden together.
QWidget* legend(QWidget* page, CellColour colour, const QString& text, int x, int y)
{
    auto* both = new QWidget(page);
    both->setGeometry(x, y, 150, 15);
    auto* swatch = new CellLabel(QString(), both, false);
    swatch->setColour(colour);
    swatch->setGeometry(0, 0, 15, 15);
    swatch->setFixedHeight(15);
    auto* l = new QLabel(text, both);
    l->setGeometry(20, 0, 130, 15);
    return both;
}

} // namespace

GridPages::GridPages(EditorSession& session, const NameTables& names, DialogProvider& dialogs, QTabWidget* tabs)
    : QObject(tabs), session_(session), names_(names), dialogs_(dialogs)
{
    pages_ = {buildPage(tabs, "TSunits", tr("Units"), false), buildPage(tabs, "TSvox", QStringLiteral("VOX"), false),
              buildPage(tabs, "TSmsg", tr("Message events"), false), buildPage(tabs, "TSout", tr("Out events"), true)};
    buildLists();

    grid_ = new ZoneGrid(pages_[PageUnits]);
    connect(grid_, &ZoneGrid::cellClicked, this, &GridPages::toggleZone);
    connect(grid_, &ZoneGrid::rowClicked, this, &GridPages::toggleZoneRow);
    connect(grid_, &ZoneGrid::cellMenuRequested, this, [this](int m, int z, QPoint at) {
        const UsedKind kind = session_.currentPage == PageOutEvents ? UsedKind::Output : UsedKind::Zone;
        emit whereUsedRequested({kind, m, z + 1}, at);
    });
    connect(grid_, &ZoneGrid::numberBoxClicked, this, &GridPages::editNumber);
    connect(grid_, &ZoneGrid::outputEventBoxClicked, this, &GridPages::editOutputEvent);

    connect(unitCombo_, &QComboBox::currentIndexChanged, this, &GridPages::unitChanged);
    connect(keyCombo_, &QComboBox::currentIndexChanged, this, &GridPages::showKey);
    connect(voxCombo_, &QComboBox::currentIndexChanged, this, &GridPages::showVox);
    connect(messageEventCombo_, &QComboBox::currentIndexChanged, this, &GridPages::showMessageEvent);
    connect(outEventCombo_, &QComboBox::currentIndexChanged, this, &GridPages::showOutEvent);
}

QWidget* GridPages::buildPage(QTabWidget* tabs, const char* name, const QString& title, bool outputs)
{
    auto* page = new QWidget(tabs);
    page->setObjectName(QString::fromLatin1(name));
    tabs->addTab(page, title);
    for (int g = 0; g < 6; ++g) {
        auto* c = new QLabel(outputs ? tr("Card %1").arg(g + 1) : QStringLiteral("Slave %1").arg(g), page);
        c->setAlignment(Qt::AlignCenter);
        c->setGeometry(ZoneGrid::groupLeft(g), ZoneGrid::bottom() + 4, ZoneGrid::groupWidth(), 16);
    }
    const int y = ZoneGrid::bottom() + 30;
    if (outputs) {
        legend(page, CellColour::Green, tr("Activated out"), 220, y);
        unaffectedLegend_ = legend(page, CellColour::White, tr("Unaffected out"), 370, y);
        legend(page, CellColour::Red, tr("Deactivated out"), 520, y);
    } else {
        legend(page, CellColour::Green, tr("Selected zone"), 220, y);
        legend(page, CellColour::White, tr("Unselected zone"), 370, y);
    }
    return page;
}

void GridPages::buildLists()
{
    unitCombo_ = combo(pages_[PageUnits], "CBUnit", 10);
    keyCombo_ = combo(pages_[PageUnits], "CBKey", 33);
    voxCombo_ = combo(pages_[PageVox], "CBVox", 10);
    voxCombo_->addItems({QStringLiteral("VOX1"), QStringLiteral("VOX2")});
    messageEventCombo_ = combo(pages_[PageMessages], "CBMsg1", 10);
    fillNumbered(messageEventCombo_, tr("Message event "), ConfigImage::MessageEvents);
    outEventCombo_ = combo(pages_[PageOutEvents], "CBOut", 10);
    fillNumbered(outEventCombo_, tr("Out event "), ConfigImage::OutEvents);
    outEventCombo_->addItem(QStringLiteral("RESET"));
    fillUnitList();
    fillKeyList();
}

void GridPages::fillUnitList()
{
    const QSignalBlocker block(unitCombo_);
    unitCombo_->clear();
    for (int n = 1; n <= ConfigImage::Units; ++n)
        unitCombo_->addItem(QString::fromStdString(names_.unitCaption(n)));
    unitCombo_->setCurrentIndex(session_.selectedUnit);
    // The other lists never change; put back what was selected last time.
    for (auto [c, i] :
         {std::pair{voxCombo_, session_.selectedVox}, std::pair{messageEventCombo_, session_.selectedMessageEvent},
          std::pair{outEventCombo_, session_.selectedOutEvent}}) {
        const QSignalBlocker b(c);
        c->setCurrentIndex(i);
    }
}

void GridPages::showSelection()
{
    fillUnitList();
    fillKeyList();
}

void GridPages::fillKeyList()
{
    const QSignalBlocker block(keyCombo_);
    keyCombo_->clear();
    const bool ioCard = session_.selectedUnit < ConfigImage::IoCards;
    for (int k = 0; k < 36; ++k)
        keyCombo_->addItem((ioCard && k < 6 ? tr("Key/input ") : tr("Key ")) + QString::number(k + 1));
    keyCombo_->addItems({QStringLiteral("PTT/Lock"), QStringLiteral("ALL Esp. 1"), QStringLiteral("ALL Esp. 2")});
    keyCombo_->setCurrentIndex(session_.selectedKey);
}

void GridPages::showPage(int index)
{
    grid_->moveTo(pages_[index]);
    switch (index) {
    case PageUnits:
        showKey();
        grid_->showBoxes(true, tr("Message"));
        break;
    case PageVox:
        showVox();
        grid_->showBoxes(true, tr("Priority"));
        break;
    case PageMessages:
        showMessageEvent();
        grid_->showBoxes(true, tr("Message"));
        break;
    default:
        showOutEvent();
        grid_->showBoxes(false);
        break;
    }
}

// The dialogs stand over the editor window.
QWidget* GridPages::dialogParent() const { return pages_[PageUnits]->window(); }

KeyRecord GridPages::currentPagingRecord()
{
    ConfigImage& w = session_.workingCopy;
    switch (session_.currentPage) {
    case PageVox:
        return w.vox(session_.selectedVox + 1);
    case PageMessages:
        return w.messageEvent(session_.selectedMessageEvent + 1);
    default:
        return w.key(session_.selectedUnit, session_.selectedKey);
    }
}

GridTarget GridPages::currentTarget()
{
    if (session_.currentPage != PageOutEvents)
        return GridTarget::zones(currentPagingRecord().zones());
    if (session_.selectedOutEvent == ConfigImage::OutEvents)
        return GridTarget::reset(session_.workingCopy.resetOutEvent());
    return GridTarget::outEvent(session_.workingCopy.outEvent(session_.selectedOutEvent + 1));
}

void GridPages::showPagingNumbers(bool messageNumber)
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
    session_.noteShown();
}

void GridPages::showKey()
{
    session_.selectedUnit = unitCombo_->currentIndex();
    session_.selectedKey = keyCombo_->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(true);
}

void GridPages::showVox()
{
    session_.selectedVox = voxCombo_->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(false);
}

void GridPages::showMessageEvent()
{
    session_.selectedMessageEvent = messageEventCombo_->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(true);
}

void GridPages::showOutEvent()
{
    session_.selectedOutEvent = outEventCombo_->currentIndex();
    const bool reset = session_.selectedOutEvent == ConfigImage::OutEvents;
    unaffectedLegend_->setVisible(!reset);
    grid_->draw(currentTarget());
    grid_->showNumber(QString());
    grid_->showOutputEvent(-1);
    // Both out event records start with their state set; the zero bytes follow it.
    clearOutEventNumbers(currentTarget().states);
    session_.noteShown();
}

void GridPages::unitChanged()
{
    showKey();
    fillKeyList();
}

void GridPages::toggleZone(int m, int z)
{
    CellLabel* cell = grid_->cell(m, z);
    cell->setColour(clickCell(currentTarget(), m, z, cell->colour()));
    session_.markModified();
}

void GridPages::toggleZoneRow(int m)
{
    const GridTarget t = currentTarget();
    if (!toggleRow(t, m))
        return;
    grid_->draw(t);
    session_.markModified();
}

void GridPages::editNumber()
{
    KeyRecord r = currentPagingRecord();
    const QString box = grid_->numberBox()->text();
    if (session_.currentPage == PageVox) {
        const auto a = askNumber(dialogs_, dialogParent(), tr("Change priority"), tr("Priority number 1...7"), box,
                                 acceptPriority, [](const QString& text) { return numberRefusal(text, 1, 7); });
        if (!a)
            return;
        if (a->changed)
            session_.markModified();
        grid_->showNumber(QString::number(a->value));
        r.setVoxPriority(Byte(a->value));
        return;
    }
    const auto a = askNumber(dialogs_, dialogParent(), tr("Change message number"),
                             tr("Message number 0...127 (0=none)"), messageNumberPrefill(box), acceptMessageNumber,
                             [](const QString& text) { return numberRefusal(text, 0, 127); });
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    grid_->showNumber(messageNumberText(a->value));
    r.setMessageNumber(Byte(a->value));
}

void GridPages::editOutputEvent()
{
    const auto a = askOutputEvent(dialogs_, dialogParent(), grid_->outputEventBox()->text());
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    grid_->showOutputEvent(a->value);
    currentPagingRecord().setOutputEvent(Byte(a->value));
}

} // namespace q7582
