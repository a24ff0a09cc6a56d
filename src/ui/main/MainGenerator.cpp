// TForm1: the message-generator panel PanelMG, its buttons and the refresh the link
// calls after each generator read. The decisions are GeneratorPanel's; this file moves
// them between the widgets and the GeneratorStatus.

#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/Main.h"
#include "ui/main/Widgets.h"

#include <QComboBox>
#include <QGroupBox>
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

void TForm1::buildGeneratorPanel(QWidget* central)
{
    auto* panel = makePanel(central, "PanelMG", QStringLiteral("RKDV7582 message generator"),
                            QRect(0, 0, GeneratorClientWidth, GeneratorClientHeight));
    makeHelpButton(panel, "BbLegal", HelpContext::GeneratorPanel);

    makeLabel(panel, QStringLiteral("RKDV Date"), QRect(10, 26, 70, 18));
    stMsgDate_ = makeText(panel, QStringLiteral("STMsgDate"), QRect(80, 24, 170, 20));
    makeLabel(panel, QStringLiteral("RKDV Time"), QRect(266, 26, 70, 18));
    stMsgTime_ = makeText(panel, QStringLiteral("STMsgTime"), QRect(336, 24, 100, 20));

    stMsgSD_ = makeText(panel, QStringLiteral("STMsgSD"), QRect(10, 56, 150, 20));
    stMsgVela_ = makeText(panel, QStringLiteral("STMsgVela"), QRect(166, 56, 150, 20));
    stMsgNum_ = makeText(panel, QStringLiteral("STMsgNum"), QRect(322, 56, 168, 20));

    makeLabel(panel, QStringLiteral("Message list"), QRect(10, 92, 80, 18));
    cbMsgList_ = new QComboBox(panel);
    cbMsgList_->setObjectName(QStringLiteral("CBMsgList"));
    cbMsgList_->setGeometry(90, 88, 110, 26);
    spStartHP_ = makeToggle(panel, "SPstartHP", headphoneCaption(false), QRect(210, 86, 136, 30));
    spStartCh_ = makeToggle(panel, "SPstartCh", channelsCaption(false), QRect(354, 86, 136, 30));
    spStartHP_->setEnabled(false);
    spStartCh_->setEnabled(false);

    stMsgLegalRel_ = makeText(panel, QStringLiteral("STMsgLegalRel"), QRect(10, 130, 236, 20));
    spMsgLegal_ = makeToggle(panel, "SPMsgLegal", summerTimeCaption(false), QRect(254, 124, 236, 30));
    spAlign_ = new QPushButton(QStringLiteral("Align Date and Time with PC"), panel);
    spAlign_->setObjectName(QStringLiteral("SPAlign"));
    spAlign_->setGeometry(254, 160, 236, 30);

    labelLegalW_ = makeText(panel, QStringLiteral("LabelLegalW"), QRect(10, 198, 480, 44), false);
    labelLegalW_->setWordWrap(true);
    spLegalUpdate_ = new QPushButton(QStringLiteral("Update summer legal time file"), panel);
    spLegalUpdate_->setObjectName(QStringLiteral("SPLegalUpdate"));
    spLegalUpdate_->setGeometry(10, 250, 236, 30);
    spLegalUpdate_->setEnabled(false);

    QLabel* warning = makeLabel(
        panel, QStringLiteral("WARNING: before inserting and removing the SD card turn off the equipment !!!"),
        QRect(10, 292, 480, 36), "LabelSDWarning");
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignCenter);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);

    panel->hide();
    panel->lower();
    panelMG_ = panel;
    connectGeneratorControls();
}

void TForm1::connectGeneratorControls()
{
    connect(spAlign_, &QPushButton::clicked, this, &TForm1::SPAlignClick);
    connect(spMsgLegal_, &QPushButton::clicked, this, &TForm1::SPMsgLegalClick);
    connect(spStartHP_, &QPushButton::clicked, this, &TForm1::SPstartHPClick);
    connect(spStartCh_, &QPushButton::clicked, this, &TForm1::SPstartChClick);
    connect(spLegalUpdate_, &QPushButton::clicked, this, &TForm1::SPLegalUpdateClick);
}

GeneratorPanelView TForm1::generatorView() const
{
    GeneratorPanelView v;
    for (int i = 0; i < cbMsgList_->count(); ++i)
        v.messages << cbMsgList_->itemText(i);
    v.selected = cbMsgList_->currentIndex();
    v.summerSwitch = toggleOf(spMsgLegal_);
    v.headphone = toggleOf(spStartHP_);
    v.channels = toggleOf(spStartCh_);
    return v;
}

void TForm1::showGeneratorView(const GeneratorPanelView& v)
{
    if (!v.date.isEmpty()) { // not while a clock alignment is folded
        stMsgDate_->setText(v.date);
        stMsgTime_->setText(v.time);
    }
    showState(stMsgSD_, v.card);
    showState(stMsgVela_, v.folder);
    showState(stMsgNum_, v.count);
    if (v.listRebuilt) {
        cbMsgList_->clear();
        cbMsgList_->addItems(v.messages);
        cbMsgList_->setCurrentIndex(v.selected);
    }
    stMsgLegalRel_->setText(v.legalId);
    showToggle(spMsgLegal_, v.summerSwitch);
    showState(labelLegalW_, v.legalNotice);
    spLegalUpdate_->setEnabled(v.updateEnabled);
    showToggle(spStartHP_, v.headphone);
    showToggle(spStartCh_, v.channels);
}

void TForm1::generatorPanelRefresh()
{
    GeneratorRefreshContext ctx;
    ctx.justConnected = shared_.justConnected.load();
    ctx.modeEntered = generatorModeEntered_;
    ctx.legalFileId = legalFile_.legalFileId;
    ctx.pcNow = clockFromDateTime(now());
    ctx.locale = QLocale::system();
    GeneratorPanelView view = generatorView();
    GeneratorRequests requests;
    shared_.withGenerator(
        [&](GeneratorStatus& g) { generatorPanel_.refresh(g, pending_, ctx, view, requests); });
    showGeneratorView(view);
    if (requests.generatorWrite)
        shared_.requests.GeneratorWriteRequest = true;
    if (requests.legalFileWrite)
        shared_.requests.LegalFileWriteRequest = true;
    generatorModeEntered_ = false;
    // A flag left from a master that went before its first refresh must not hold back
    // the generator's writes.
    shared_.justConnected = false;
}

void TForm1::SPAlignClick() { pending_[LiveGeneratorClockAlign].changed = true; }

void TForm1::SPMsgLegalClick()
{
    const bool down = spMsgLegal_->isChecked();
    spMsgLegal_->setText(summerTimeCaption(down));
    if (down != shared_.withGenerator([](const GeneratorStatus& g) { return g.summerTimeOff(); }))
        pending_[LiveGeneratorSummerTime].changed = true;
}

void TForm1::SPstartHPClick() { playClick(spStartHP_, LiveGeneratorHeadphone, &headphoneCaption); }

void TForm1::SPstartChClick() { playClick(spStartCh_, LiveGeneratorChannels, &channelsCaption); }

void TForm1::playClick(QPushButton* button, LiveParam entry, QString (*caption)(bool))
{
    if (cbMsgList_->currentIndex() < 0) {
        button->setChecked(!button->isChecked()); // nothing to play: the click is undone
        return;
    }
    const bool down = button->isChecked();
    button->setText(caption(down));
    if (down != shared_.withGenerator([](const GeneratorStatus& g) { return g.playing(); }))
        pending_[entry].changed = true;
}

void TForm1::SPLegalUpdateClick()
{
    pending_[LiveGeneratorLegalUpdate].changed = true;
    spLegalUpdate_->setDown(false);
}

} // namespace q7582
