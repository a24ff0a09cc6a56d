#include "ui/config/MessageEventPicker.h"

#include "model/ConfigImage.h"
#include "ui/config/PlacedControls.h"
#include "ui/config/TimerRules.h"

#include <QListWidget>

namespace q7582 {

using placed::place;

namespace {

QListWidget* eventList(QWidget* parent, const char* name, int x, int width)
{
    auto* list = place(new QListWidget(parent), name, x, 20, width, 222);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // "Message event 127" fits both lists with their scroll bars.
    QFont f = list->font();
    f.setPixelSize(11);
    list->setFont(f);
    return list;
}

QString eventText(int event) { return MessageEventPicker::tr("Message event ") + QString::number(event); }

} // namespace

MessageEventPicker::MessageEventPicker(QWidget* page) : QWidget(page)
{
    placed::label(this, tr("Message event list"), 0, 0, 140);
    messageEventList_ = eventList(this, "ListBox1", 0, 140);
    for (int e = 1; e <= ConfigImage::MessageEvents; ++e)
        messageEventList_->addItem(eventText(e));
    auto* add = place(new QPushButton(QStringLiteral(">>"), this), "Button2", 146, 93, 32, 25);
    auto* remove = place(new QPushButton(QStringLiteral("<<"), this), "Button1", 146, 128, 32, 25);
    placed::label(this, tr("Selection list"), 184, 0, 127);
    chosenEventList_ = eventList(this, "ListBox2", 184, 127);
    connect(add, &QPushButton::clicked, this, &MessageEventPicker::addClicked);
    connect(remove, &QPushButton::clicked, this, &MessageEventPicker::removeClicked);
}

void MessageEventPicker::appendChosen(int event)
{
    auto* item = new QListWidgetItem(eventText(event), chosenEventList_);
    item->setData(Qt::UserRole, event);
}

void MessageEventPicker::showChosen(const std::vector<int>& events)
{
    chosenEventList_->clear();
    for (int e : events)
        appendChosen(e);
}

std::vector<int> MessageEventPicker::chosenEvents() const
{
    std::vector<int> events;
    for (int i = 0; i < chosenEventList_->count(); ++i)
        events.push_back(chosenEventList_->item(i)->data(Qt::UserRole).toInt());
    return events;
}

int MessageEventPicker::chosenCount() const { return chosenEventList_->count(); }

bool MessageEventPicker::addHighlighted()
{
    std::vector<int> highlighted;
    for (int i = 0; i < messageEventList_->count(); ++i)
        if (messageEventList_->item(i)->isSelected())
            highlighted.push_back(i + 1);
    if (highlighted.empty())
        return false;
    const std::vector<int> listed = chosenEvents();
    const std::vector<int> added = addToSelection(listed, highlighted);
    for (std::size_t i = listed.size(); i < added.size(); ++i)
        appendChosen(added[i]);
    return true;
}

bool MessageEventPicker::removeHighlighted()
{
    const QList<QListWidgetItem*> highlighted = chosenEventList_->selectedItems();
    qDeleteAll(highlighted);
    return !highlighted.isEmpty();
}

} // namespace q7582
