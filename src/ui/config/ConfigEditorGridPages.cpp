// The four pages that share the zone/output grid: Units, VOX, Message events and Out
// events of ConfigEditor.

#include "settings/NameTables.h"
#include "ui/config/ConfigEditor.h"
#include "ui/config/DialogAnswers.h"
#include "ui/config/EditorQuestions.h"
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

QWidget* ConfigEditor::buildGridPage(const char* name, const QString& title, bool outputs)
{
    auto* page = new QWidget(pages_);
    page->setObjectName(QString::fromLatin1(name));
    pages_->addTab(page, title);
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

void ConfigEditor::buildGridPages()
{
    unitsPage_ = buildGridPage("TSunits", QStringLiteral("Units"), false);
    voxPage_ = buildGridPage("TSvox", QStringLiteral("VOX"), false);
    messagesPage_ = buildGridPage("TSmsg", QStringLiteral("Message events"), false);
    outEventsPage_ = buildGridPage("TSout", QStringLiteral("Out events"), true);

    unitCombo_ = combo(unitsPage_, "CBUnit", 10);
    keyCombo_ = combo(unitsPage_, "CBKey", 33);
    voxCombo_ = combo(voxPage_, "CBVox", 10);
    voxCombo_->addItems({QStringLiteral("VOX1"), QStringLiteral("VOX2")});
    messageEventCombo_ = combo(messagesPage_, "CBMsg1", 10);
    fillNumbered(messageEventCombo_, QStringLiteral("Message event "), ConfigImage::MessageEvents);
    outEventCombo_ = combo(outEventsPage_, "CBOut", 10);
    fillNumbered(outEventCombo_, QStringLiteral("Out event "), ConfigImage::OutEvents);
    outEventCombo_->addItem(QStringLiteral("RESET"));
    fillUnitList();
    fillKeyList();

    const int helpTop = ZoneGrid::bottom() + 50;
    addHelpButton(unitsPage_, "BbKey", HelpContext::EditorKeys, 10, helpTop);
    addHelpButton(voxPage_, "BbVox", HelpContext::EditorVox, 10, helpTop);
    addHelpButton(messagesPage_, "BbMsg", HelpContext::EditorMessages, 10, helpTop);
    addHelpButton(outEventsPage_, "BbOut", HelpContext::EditorOutEvents, 10, helpTop);

    grid_ = new ZoneGrid(unitsPage_);
    connect(grid_, &ZoneGrid::cellClicked, this, &ConfigEditor::toggleZone);
    connect(grid_, &ZoneGrid::rowClicked, this, &ConfigEditor::toggleZoneRow);
    connect(grid_, &ZoneGrid::numberBoxClicked, this, &ConfigEditor::editNumber);
    connect(grid_, &ZoneGrid::outputEventBoxClicked, this, &ConfigEditor::editOutputEvent);

    connect(unitCombo_, &QComboBox::currentIndexChanged, this, &ConfigEditor::unitChanged);
    connect(keyCombo_, &QComboBox::currentIndexChanged, this, &ConfigEditor::keyChanged);
    connect(voxCombo_, &QComboBox::currentIndexChanged, this, &ConfigEditor::voxChanged);
    connect(messageEventCombo_, &QComboBox::currentIndexChanged, this, &ConfigEditor::messageEventChanged);
    connect(outEventCombo_, &QComboBox::currentIndexChanged, this, &ConfigEditor::outEventChanged);
}

void ConfigEditor::fillUnitList()
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

void ConfigEditor::fillKeyList()
{
    const QSignalBlocker block(keyCombo_);
    keyCombo_->clear();
    const bool ioCard = session_.selectedUnit < ConfigImage::IoCards;
    for (int k = 0; k < 36; ++k)
        keyCombo_->addItem((ioCard && k < 6 ? QStringLiteral("Key/input ") : QStringLiteral("Key "))
                           + QString::number(k + 1));
    keyCombo_->addItems({QStringLiteral("PTT/Lock"), QStringLiteral("ALL Esp. 1"), QStringLiteral("ALL Esp. 2")});
    keyCombo_->setCurrentIndex(session_.selectedKey);
}

KeyRecord ConfigEditor::currentPagingRecord()
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

GridTarget ConfigEditor::currentTarget()
{
    if (session_.currentPage != PageOutEvents)
        return GridTarget::zones(currentPagingRecord().zones());
    if (session_.selectedOutEvent == ConfigImage::OutEvents)
        return GridTarget::reset(session_.workingCopy.resetOutEvent());
    return GridTarget::outEvent(session_.workingCopy.outEvent(session_.selectedOutEvent + 1));
}

void ConfigEditor::showPagingNumbers(bool messageNumber)
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

void ConfigEditor::showKey()
{
    session_.selectedUnit = unitCombo_->currentIndex();
    session_.selectedKey = keyCombo_->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(true);
}

void ConfigEditor::showVox()
{
    session_.selectedVox = voxCombo_->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(false);
}

void ConfigEditor::showMessageEvent()
{
    session_.selectedMessageEvent = messageEventCombo_->currentIndex();
    grid_->draw(currentTarget());
    showPagingNumbers(true);
}

void ConfigEditor::showOutEvent()
{
    session_.selectedOutEvent = outEventCombo_->currentIndex();
    const bool reset = session_.selectedOutEvent == ConfigImage::OutEvents;
    unaffectedLegend_->setVisible(!reset);
    grid_->draw(currentTarget());
    grid_->showNumber(QString());
    grid_->showOutputEvent(-1);
    // Both out event records start with their state set; the zero bytes follow it.
    clearOutEventNumbers(currentTarget().states);
}

void ConfigEditor::unitChanged()
{
    showKey();
    fillKeyList();
}

void ConfigEditor::keyChanged() { showKey(); }
void ConfigEditor::voxChanged() { showVox(); }
void ConfigEditor::messageEventChanged() { showMessageEvent(); }
void ConfigEditor::outEventChanged() { showOutEvent(); }

void ConfigEditor::toggleZone(int m, int z)
{
    CellLabel* cell = grid_->cell(m, z);
    cell->setColour(clickCell(currentTarget(), m, z, cell->colour()));
    session_.markModified();
}

void ConfigEditor::toggleZoneRow(int m)
{
    const GridTarget t = currentTarget();
    if (!toggleRow(t, m))
        return;
    grid_->draw(t);
    session_.markModified();
}

void ConfigEditor::editNumber()
{
    KeyRecord r = currentPagingRecord();
    const QString box = grid_->numberBox()->text();
    if (session_.currentPage == PageVox) {
        const auto a = askNumber(dialogs_, this, QStringLiteral("Change priority"),
                                 QStringLiteral("Priority number 1...7"), box, acceptPriority);
        if (!a)
            return;
        if (a->changed)
            session_.markModified();
        grid_->showNumber(QString::number(a->value));
        r.setVoxPriority(Byte(a->value));
        return;
    }
    const auto a =
        askNumber(dialogs_, this, QStringLiteral("Change message number"),
                  QStringLiteral("Message number 0...127 (0=none)"), messageNumberPrefill(box), acceptMessageNumber);
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    grid_->showNumber(messageNumberText(a->value));
    r.setMessageNumber(Byte(a->value));
}

void ConfigEditor::editOutputEvent()
{
    const auto a = askOutputEvent(dialogs_, this, grid_->outputEventBox()->text());
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    grid_->showOutputEvent(a->value);
    currentPagingRecord().setOutputEvent(Byte(a->value));
}

} // namespace q7582
