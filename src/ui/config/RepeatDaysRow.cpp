#include "ui/config/RepeatDaysRow.h"

#include "reports/TimerText.h"
#include "ui/config/PlacedControls.h"
#include "ui/config/TimerRules.h"

#include <QRadioButton>

#include <algorithm>

namespace q7582 {

using placed::place;

RepeatDaysRow::RepeatDaysRow(QWidget* page)
    : QWidget(page), oneTime_(place(new QRadioButton(tr("One Time"), this), "RBoneTime", 0, 2, 85)),
      daily_(place(new QRadioButton(tr("Daily"), this), "RBdaily", 85, 2, 65)),
      weekly_(place(new QRadioButton(tr("Weekly"), this), "RBweekly", 150, 2, 75)),
      daysPanel_(place(new QWidget(this), "Panel2", 228, 0, 7 * 38, 26))
{
    // A caption longer than its place widens it; the days then share what is left before
    // the same right edge.
    int x = 0;
    for (QRadioButton* kind : {oneTime_, daily_, weekly_}) {
        kind->setGeometry(x, 2, std::max(kind->width(), kind->sizeHint().width()), kind->height());
        x += kind->width();
    }
    const int left = std::max(x + 3, daysPanel_->x());
    const int step = std::min(38, (daysPanel_->geometry().right() + 1 - left) / 7);
    daysPanel_->setGeometry(left, 0, 7 * step, 26);
    for (int d = 0; d < 7; ++d) {
        const QByteArray name = "SpeedButton" + QByteArray::number(d + 1);
        days_[d] = placed::toggle(daysPanel_, dayName(d), name.constData(), step * d, 2, step - 2);
        connect(days_[d], &QPushButton::clicked, this, &RepeatDaysRow::dayClicked);
    }
    connect(oneTime_, &QRadioButton::clicked, this, [this] { emit kindClicked(0); });
    connect(daily_, &QRadioButton::clicked, this, [this] { emit kindClicked(TimerEventRecord::Daily); });
    connect(weekly_, &QRadioButton::clicked, this, [this] { emit kindClicked(1); }); // Monday only
}

void RepeatDaysRow::showDays(Byte days)
{
    const RepeatKind kind = repeatKind(days);
    oneTime_->setChecked(kind == RepeatKind::OneTime);
    daily_->setChecked(kind == RepeatKind::Daily);
    weekly_->setChecked(kind == RepeatKind::Weekly);
    daysPanel_->setVisible(kind == RepeatKind::Weekly);
    if (kind == RepeatKind::Weekly)
        for (int d = 0; d < 7; ++d)
            days_[d]->setChecked(days & (1 << d));
}

Byte RepeatDaysRow::pressedDays() const
{
    Byte days = 0;
    for (int d = 0; d < 7; ++d)
        if (days_[d]->isChecked())
            days |= Byte(1 << d);
    return days;
}

} // namespace q7582
