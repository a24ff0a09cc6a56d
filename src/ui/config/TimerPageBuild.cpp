// The controls of the timer events page and their places.

#include "ui/config/CellLabel.h"
#include "ui/config/EditorPictures.h"
#include "ui/config/TimerPage.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

namespace q7582 {

namespace {

template <typename W>
W* place(W* w, const char* name, int x, int y, int width, int height = 22)
{
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(x, y, width, height);
    return w;
}

QLabel* label(QWidget* page, const QString& text, int x, int y, int width, const char* name = nullptr)
{
    return place(new QLabel(text, page), name, x, y, width);
}

QPushButton* toggle(QWidget* parent, const QString& text, const char* name, int x, int y, int width, int height = 22)
{
    auto* b = place(new QPushButton(text, parent), name, x, y, width, height);
    b->setCheckable(true);
    return b;
}

QTimeEdit* timePicker(QWidget* page, const char* name, int x, int y)
{
    auto* t = place(new QTimeEdit(page), name, x, y, 90);
    t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    // Typing reports once, at Enter or when the field is left, not at every digit.
    t->setKeyboardTracking(false);
    return t;
}

} // namespace

void TimerPage::build()
{
    timerCombo_ = place(new QComboBox(this), "CBTimer", 10, 10, 130);
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t)
        timerCombo_->addItem(QStringLiteral("Timer event ") + QString::number(t));
    timerCombo_->setMaxVisibleItems(20);
    label(this, QStringLiteral("Priority"), 155, 10, 45);
    priorityCombo_ = place(new QComboBox(this), "CBpty", 205, 10, 45);
    for (int p = 1; p <= 7; ++p)
        priorityCombo_->addItem(QString::number(p));
    label(this, QStringLiteral("Enabled"), 265, 10, 50);
    enabledButton_ = toggle(this, QStringLiteral("Off"), "SpeedButton9", 320, 10, 60);

    oneTimeRadio_ = place(new QRadioButton(QStringLiteral("One Time"), this), "RBoneTime", 10, 40, 85);
    dailyRadio_ = place(new QRadioButton(QStringLiteral("Daily"), this), "RBdaily", 95, 40, 65);
    weeklyRadio_ = place(new QRadioButton(QStringLiteral("Weekly"), this), "RBweekly", 160, 40, 75);
    daysPanel_ = place(new QWidget(this), "Panel2", 238, 38, 7 * 38, 26);
    const std::array<const char*, 7> dayNames{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int d = 0; d < 7; ++d) {
        const QByteArray name = "SpeedButton" + QByteArray::number(d + 1);
        days_[d] = toggle(daysPanel_, QString::fromLatin1(dayNames[d]), name.constData(), 38 * d, 2, 36);
    }

    startDateCaption_ = label(this, QStringLiteral("Event date"), 10, 72, 110, "STdateT");
    startDateEdit_ = place(new QDateEdit(this), "DTPday", 125, 72, 110);
    startDateEdit_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    startDateEdit_->setCalendarPopup(true);
    startDateEdit_->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    startDateEdit_->setKeyboardTracking(false);
    startTimeCaption_ = label(this, QStringLiteral("Event time"), 10, 100, 110, "STtimeT");
    startTimeEdit_ = timePicker(this, "DTPtime", 125, 100);

    periodicButton_ = toggle(this, QStringLiteral("Set periodic event"), "SBrepeat", 255, 72, 160, 24);
    label(this, QStringLiteral("Period (sec.)"), 255, 102, 80);
    intervalCell_ = place(new CellLabel(QString(), this), "STint", 340, 102, 60, 21);
    label(this, QStringLiteral("Stop time"), 255, 128, 80);
    stopTimeEdit_ = timePicker(this, "DTPstop", 340, 128);

    label(this, QStringLiteral("Timer output event"), 10, 165, 125);
    outputEventCell_ = place(new CellLabel(QString(), this), "SToe", 138, 165, 50, 21);
    risingEdgeButton_ = toggle(this, QString(), "SBsuT", 194, 164, 24, 23);
    risingEdgeButton_->setIcon(QIcon(editorPictures::risingEdge()));
    risingEdgeButton_->setToolTip(QStringLiteral("Rising edge"));
    fallingEdgeButton_ = toggle(this, QString(), "SBgiuT", 220, 164, 24, 23);
    fallingEdgeButton_->setIcon(QIcon(editorPictures::fallingEdge()));
    fallingEdgeButton_->setToolTip(QStringLiteral("Falling edge"));

    label(this, QStringLiteral("Message event list"), 505, 2, 140);
    messageEventList_ = place(new QListWidget(this), "ListBox1", 505, 22, 140, 222);
    messageEventList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    messageEventList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int e = 1; e <= ConfigImage::MessageEvents; ++e)
        messageEventList_->addItem(QStringLiteral("Message event ") + QString::number(e));
    addButton_ = place(new QPushButton(QStringLiteral(">>"), this), "Button2", 651, 95, 32, 25);
    removeButton_ = place(new QPushButton(QStringLiteral("<<"), this), "Button1", 651, 130, 32, 25);
    label(this, QStringLiteral("Selection list"), 689, 2, 127);
    chosenEventList_ = place(new QListWidget(this), "ListBox2", 689, 22, 127, 222);
    chosenEventList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    chosenEventList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // "Message event 127" fits both lists with their scroll bars.
    for (QListWidget* list : {messageEventList_, chosenEventList_}) {
        QFont f = list->font();
        f.setPixelSize(11);
        list->setFont(f);
    }

    connect(timerCombo_, &QComboBox::currentIndexChanged, this, &TimerPage::showTimer);
    connect(priorityCombo_, &QComboBox::currentIndexChanged, this, &TimerPage::priorityChanged);
    connect(enabledButton_, &QPushButton::clicked, this, &TimerPage::enabledClicked);
    connect(oneTimeRadio_, &QRadioButton::clicked, this, &TimerPage::oneTimeClicked);
    connect(dailyRadio_, &QRadioButton::clicked, this, &TimerPage::dailyClicked);
    connect(weeklyRadio_, &QRadioButton::clicked, this, &TimerPage::weeklyClicked);
    for (QPushButton* d : days_)
        connect(d, &QPushButton::clicked, this, &TimerPage::dayClicked);
    connect(periodicButton_, &QPushButton::clicked, this, &TimerPage::periodicClicked);
    connect(intervalCell_, &CellLabel::clicked, this, &TimerPage::editInterval);
    connect(startDateEdit_, &QDateEdit::dateChanged, this, &TimerPage::startDateChanged);
    connect(startTimeEdit_, &QTimeEdit::timeChanged, this, &TimerPage::startTimeChanged);
    connect(stopTimeEdit_, &QTimeEdit::timeChanged, this, &TimerPage::stopTimeChanged);
    connect(risingEdgeButton_, &QPushButton::clicked, this, &TimerPage::risingEdgeClicked);
    connect(fallingEdgeButton_, &QPushButton::clicked, this, &TimerPage::fallingEdgeClicked);
    connect(outputEventCell_, &CellLabel::clicked, this, &TimerPage::editTimerOutputEvent);
    connect(addButton_, &QPushButton::clicked, this, &TimerPage::addChosenEvents);
    connect(removeButton_, &QPushButton::clicked, this, &TimerPage::removeChosenEvents);
}

} // namespace q7582
