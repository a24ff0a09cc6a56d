#include "ui/main/GeneratorPage.h"

#include "ui/common/HelpContexts.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/StatusRules.h"
#include "ui/main/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace q7582 {
namespace {

void showToggle(QPushButton* b, const ToggleView& v)
{
    b->setChecked(v.down);
    b->setEnabled(v.enabled);
    b->setText(v.caption);
}

ToggleView toggleOf(const QPushButton* b) { return {b->isChecked(), b->isEnabled(), b->text()}; }

void showState(ClickLabel* l, const StateText& s)
{
    l->setText(s.text);
    l->setBackground(s.good ? colours::lightGreen() : colours::lightRed());
}

} // namespace

GeneratorPage::GeneratorPage(const QSize& size, QWidget* parent) : Panel(tr("RKDV7582 message generator"), parent)
{
    placePanel(this, "PanelMG", QRect(QPoint(0, 0), size), "BbLegal", HelpContext::GeneratorPanel);
    buildStates();
    buildControls();

    connect(alignButton_, &QPushButton::clicked, this, &GeneratorPage::alignClicked);
    connect(summerTimeButton_, &QPushButton::clicked, this, [this] {
        const bool down = summerTimeButton_->isChecked();
        summerTimeButton_->setText(summerTimeCaption(down));
        emit summerTimeClicked(down);
    });
    connect(headphoneButton_, &QPushButton::clicked, this,
            [this] { onPlayClicked(headphoneButton_, LiveGeneratorHeadphone, &headphoneCaption); });
    connect(channelsButton_, &QPushButton::clicked, this,
            [this] { onPlayClicked(channelsButton_, LiveGeneratorChannels, &channelsCaption); });
    connect(summerTableButton_, &QPushButton::clicked, this, [this] {
        emit summerTableUpdateClicked();
        summerTableButton_->setDown(false);
    });
}

// Date, time and the three states of the first two rows.
void GeneratorPage::buildStates()
{
    makeLabel(this, tr("RKDV Date"), QRect(10, 26, 70, 18));
    date_ = makeText(this, QStringLiteral("STMsgDate"), QRect(80, 24, 170, 20));
    makeLabel(this, tr("RKDV Time"), QRect(266, 26, 70, 18));
    time_ = makeText(this, QStringLiteral("STMsgTime"), QRect(336, 24, 100, 20));

    sdCardState_ = makeText(this, QStringLiteral("STMsgSD"), QRect(10, 56, 150, 20));
    messageFolderState_ = makeText(this, QStringLiteral("STMsgVela"), QRect(166, 56, 150, 20));
    messageCount_ = makeText(this, QStringLiteral("STMsgNum"), QRect(322, 56, 168, 20));
}

void GeneratorPage::buildControls()
{
    makeLabel(this, tr("Message list"), QRect(10, 92, 80, 18));
    messageCombo_ = new QComboBox(this);
    messageCombo_->setObjectName(QStringLiteral("CBMsgList"));
    messageCombo_->setGeometry(90, 88, 110, 26);
    headphoneButton_ = makeToggle(this, "SPstartHP", headphoneCaption(false), QRect(210, 86, 136, 30));
    channelsButton_ = makeToggle(this, "SPstartCh", channelsCaption(false), QRect(354, 86, 136, 30));
    headphoneButton_->setEnabled(false);
    channelsButton_->setEnabled(false);

    summerTableId_ = makeText(this, QStringLiteral("STMsgLegalRel"), QRect(10, 130, 236, 20));
    summerTimeButton_ = makeToggle(this, "SPMsgLegal", summerTimeCaption(false), QRect(254, 124, 236, 30));
    alignButton_ = new QPushButton(tr("Align Date and Time with PC"), this);
    alignButton_->setObjectName(QStringLiteral("SPAlign"));
    alignButton_->setGeometry(254, 160, 236, 30);

    summerTableNotice_ = makeText(this, QStringLiteral("LabelLegalW"), QRect(10, 198, 480, 44), false);
    summerTableNotice_->setWordWrap(true);
    summerTableButton_ = new QPushButton(tr("Update summer legal time file"), this);
    summerTableButton_->setObjectName(QStringLiteral("SPLegalUpdate"));
    summerTableButton_->setGeometry(10, 250, 236, 30);
    summerTableButton_->setEnabled(false);

    QLabel* warning =
        makeLabel(this, tr("WARNING: before inserting and removing the SD card turn off the equipment !!!"),
                  QRect(10, 292, 480, 36), "LabelSDWarning");
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignCenter);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
}

GeneratorPanelView GeneratorPage::view() const
{
    GeneratorPanelView v;
    for (int i = 0; i < messageCombo_->count(); ++i)
        v.messages << messageCombo_->itemText(i);
    v.selected = messageCombo_->currentIndex();
    v.summerSwitch = toggleOf(summerTimeButton_);
    v.headphone = toggleOf(headphoneButton_);
    v.channels = toggleOf(channelsButton_);
    return v;
}

void GeneratorPage::showView(const GeneratorPanelView& v)
{
    if (!v.date.isEmpty()) { // not while a clock alignment is folded
        date_->setText(v.date);
        time_->setText(v.time);
    }
    showState(sdCardState_, v.card);
    showState(messageFolderState_, v.folder);
    showState(messageCount_, v.count);
    if (v.listRebuilt) {
        messageCombo_->clear();
        messageCombo_->addItems(v.messages);
        messageCombo_->setCurrentIndex(v.selected);
    }
    summerTableId_->setText(v.legalId);
    showToggle(summerTimeButton_, v.summerSwitch);
    showState(summerTableNotice_, v.legalNotice);
    summerTableButton_->setEnabled(v.updateEnabled);
    showToggle(headphoneButton_, v.headphone);
    showToggle(channelsButton_, v.channels);
}

void GeneratorPage::onPlayClicked(QPushButton* button, LiveParam entry, QString (*caption)(bool))
{
    if (messageCombo_->currentIndex() < 0) {
        button->setChecked(!button->isChecked()); // nothing to play: the click is undone
        return;
    }
    const bool down = button->isChecked();
    button->setText(caption(down));
    emit playClicked(entry, down);
}

} // namespace q7582
