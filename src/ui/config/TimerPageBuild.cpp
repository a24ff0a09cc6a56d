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
    CBTimer = place(new QComboBox(this), "CBTimer", 10, 10, 130);
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t)
        CBTimer->addItem(QStringLiteral("Timer event ") + QString::number(t));
    CBTimer->setMaxVisibleItems(20);
    label(this, QStringLiteral("Priority"), 155, 10, 45);
    CBpty = place(new QComboBox(this), "CBpty", 205, 10, 45);
    for (int p = 1; p <= 7; ++p)
        CBpty->addItem(QString::number(p));
    label(this, QStringLiteral("Enabled"), 265, 10, 50);
    SpeedButton9 = toggle(this, QStringLiteral("Off"), "SpeedButton9", 320, 10, 60);

    RBoneTime = place(new QRadioButton(QStringLiteral("One Time"), this), "RBoneTime", 10, 40, 85);
    RBdaily = place(new QRadioButton(QStringLiteral("Daily"), this), "RBdaily", 95, 40, 65);
    RBweekly = place(new QRadioButton(QStringLiteral("Weekly"), this), "RBweekly", 160, 40, 75);
    Panel2 = place(new QWidget(this), "Panel2", 238, 38, 7 * 38, 26);
    const std::array<const char*, 7> dayNames{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int d = 0; d < 7; ++d) {
        const QByteArray name = "SpeedButton" + QByteArray::number(d + 1);
        days_[d] = toggle(Panel2, QString::fromLatin1(dayNames[d]), name.constData(), 38 * d, 2, 36);
    }

    STdateT = label(this, QStringLiteral("Event date"), 10, 72, 110, "STdateT");
    DTPday = place(new QDateEdit(this), "DTPday", 125, 72, 110);
    DTPday->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    DTPday->setCalendarPopup(true);
    DTPday->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    DTPday->setKeyboardTracking(false);
    STtimeT = label(this, QStringLiteral("Event time"), 10, 100, 110, "STtimeT");
    DTPtime = timePicker(this, "DTPtime", 125, 100);

    SBrepeat = toggle(this, QStringLiteral("Set periodic event"), "SBrepeat", 255, 72, 160, 24);
    label(this, QStringLiteral("Period (sec.)"), 255, 102, 80);
    STint = place(new CellLabel(QString(), this), "STint", 340, 102, 60, 21);
    label(this, QStringLiteral("Stop time"), 255, 128, 80);
    DTPstop = timePicker(this, "DTPstop", 340, 128);

    label(this, QStringLiteral("Timer output event"), 10, 165, 125);
    SToe = place(new CellLabel(QString(), this), "SToe", 138, 165, 50, 21);
    SBsuT = toggle(this, QString(), "SBsuT", 194, 164, 24, 23);
    SBsuT->setIcon(QIcon(editorPictures::risingEdge()));
    SBsuT->setToolTip(QStringLiteral("Rising edge"));
    SBgiuT = toggle(this, QString(), "SBgiuT", 220, 164, 24, 23);
    SBgiuT->setIcon(QIcon(editorPictures::fallingEdge()));
    SBgiuT->setToolTip(QStringLiteral("Falling edge"));

    label(this, QStringLiteral("Message event list"), 505, 2, 140);
    ListBox1 = place(new QListWidget(this), "ListBox1", 505, 22, 140, 222);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int e = 1; e <= ConfigImage::MessageEvents; ++e)
        ListBox1->addItem(QStringLiteral("Message event ") + QString::number(e));
    Button2 = place(new QPushButton(QStringLiteral(">>"), this), "Button2", 651, 95, 32, 25);
    Button1 = place(new QPushButton(QStringLiteral("<<"), this), "Button1", 651, 130, 32, 25);
    label(this, QStringLiteral("Selection list"), 689, 2, 127);
    ListBox2 = place(new QListWidget(this), "ListBox2", 689, 22, 127, 222);
    ListBox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // "Message event 127" fits both lists with their scroll bars.
    for (QListWidget* list : {ListBox1, ListBox2}) {
        QFont f = list->font();
        f.setPixelSize(11);
        list->setFont(f);
    }

    connect(CBTimer, &QComboBox::currentIndexChanged, this, &TimerPage::showTimer);
    connect(CBpty, &QComboBox::currentIndexChanged, this, &TimerPage::CBptyChange);
    connect(SpeedButton9, &QPushButton::clicked, this, &TimerPage::SpeedButton9Click);
    connect(RBoneTime, &QRadioButton::clicked, this, &TimerPage::RBoneTimeClick);
    connect(RBdaily, &QRadioButton::clicked, this, &TimerPage::RBdailyClick);
    connect(RBweekly, &QRadioButton::clicked, this, &TimerPage::RBweeklyClick);
    for (QPushButton* d : days_)
        connect(d, &QPushButton::clicked, this, &TimerPage::SBClick);
    connect(SBrepeat, &QPushButton::clicked, this, &TimerPage::SBrepeatClick);
    connect(STint, &CellLabel::clicked, this, &TimerPage::STintClick);
    connect(DTPday, &QDateEdit::dateChanged, this, &TimerPage::DTPdayChange);
    connect(DTPtime, &QTimeEdit::timeChanged, this, &TimerPage::DTPtimeChange);
    connect(DTPstop, &QTimeEdit::timeChanged, this, &TimerPage::DTPstopChange);
    connect(SBsuT, &QPushButton::clicked, this, &TimerPage::SBsuTClick);
    connect(SBgiuT, &QPushButton::clicked, this, &TimerPage::SBgiuTClick);
    connect(SToe, &CellLabel::clicked, this, &TimerPage::SToeClick);
    connect(Button2, &QPushButton::clicked, this, &TimerPage::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TimerPage::Button1Click);
}

} // namespace q7582
