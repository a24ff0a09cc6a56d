// MainWindow: the message-generator panel PanelMG, its buttons and the refresh the link
// calls after each generator read. The decisions are GeneratorPanel's; this file moves
// them between the widgets and the GeneratorStatus.

#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/MainWindow.h"
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

void MainWindow::buildGeneratorPanel(QWidget* central)
{
    QGroupBox* panel = makePanel(central, QStringLiteral("RKDV7582 message generator"), "PanelMG",
                                 QRect(0, 0, GeneratorClientWidth, GeneratorClientHeight), "BbLegal",
                                 HelpContext::GeneratorPanel);

    makeLabel(panel, QStringLiteral("RKDV Date"), QRect(10, 26, 70, 18));
    generatorDate_ = makeText(panel, QStringLiteral("STMsgDate"), QRect(80, 24, 170, 20));
    makeLabel(panel, QStringLiteral("RKDV Time"), QRect(266, 26, 70, 18));
    generatorTime_ = makeText(panel, QStringLiteral("STMsgTime"), QRect(336, 24, 100, 20));

    sdCardState_ = makeText(panel, QStringLiteral("STMsgSD"), QRect(10, 56, 150, 20));
    messageFolderState_ = makeText(panel, QStringLiteral("STMsgVela"), QRect(166, 56, 150, 20));
    messageCount_ = makeText(panel, QStringLiteral("STMsgNum"), QRect(322, 56, 168, 20));

    makeLabel(panel, QStringLiteral("Message list"), QRect(10, 92, 80, 18));
    messageCombo_ = new QComboBox(panel);
    messageCombo_->setObjectName(QStringLiteral("CBMsgList"));
    messageCombo_->setGeometry(90, 88, 110, 26);
    headphoneButton_ = makeToggle(panel, "SPstartHP", headphoneCaption(false), QRect(210, 86, 136, 30));
    channelsButton_ = makeToggle(panel, "SPstartCh", channelsCaption(false), QRect(354, 86, 136, 30));
    headphoneButton_->setEnabled(false);
    channelsButton_->setEnabled(false);

    summerTableId_ = makeText(panel, QStringLiteral("STMsgLegalRel"), QRect(10, 130, 236, 20));
    generatorSummerTimeButton_ = makeToggle(panel, "SPMsgLegal", summerTimeCaption(false), QRect(254, 124, 236, 30));
    alignGeneratorButton_ = new QPushButton(QStringLiteral("Align Date and Time with PC"), panel);
    alignGeneratorButton_->setObjectName(QStringLiteral("SPAlign"));
    alignGeneratorButton_->setGeometry(254, 160, 236, 30);

    summerTableNotice_ = makeText(panel, QStringLiteral("LabelLegalW"), QRect(10, 198, 480, 44), false);
    summerTableNotice_->setWordWrap(true);
    summerTableButton_ = new QPushButton(QStringLiteral("Update summer legal time file"), panel);
    summerTableButton_->setObjectName(QStringLiteral("SPLegalUpdate"));
    summerTableButton_->setGeometry(10, 250, 236, 30);
    summerTableButton_->setEnabled(false);

    QLabel* warning = makeLabel(
        panel, QStringLiteral("WARNING: before inserting and removing the SD card turn off the equipment !!!"),
        QRect(10, 292, 480, 36), "LabelSDWarning");
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignCenter);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);

    generatorArea_ = panel;
    connectGeneratorControls();
}

void MainWindow::connectGeneratorControls()
{
    connect(alignGeneratorButton_, &QPushButton::clicked, this, &MainWindow::alignGeneratorClock);
    connect(generatorSummerTimeButton_, &QPushButton::clicked, this, &MainWindow::generatorSummerTimeClicked);
    connect(headphoneButton_, &QPushButton::clicked, this, &MainWindow::playOnHeadphoneClicked);
    connect(channelsButton_, &QPushButton::clicked, this, &MainWindow::playOnChannelsClicked);
    connect(summerTableButton_, &QPushButton::clicked, this, &MainWindow::sendSummerTimeTable);
}

GeneratorPanelView MainWindow::generatorView() const
{
    GeneratorPanelView v;
    for (int i = 0; i < messageCombo_->count(); ++i)
        v.messages << messageCombo_->itemText(i);
    v.selected = messageCombo_->currentIndex();
    v.summerSwitch = toggleOf(generatorSummerTimeButton_);
    v.headphone = toggleOf(headphoneButton_);
    v.channels = toggleOf(channelsButton_);
    return v;
}

void MainWindow::showGeneratorView(const GeneratorPanelView& v)
{
    if (!v.date.isEmpty()) { // not while a clock alignment is folded
        generatorDate_->setText(v.date);
        generatorTime_->setText(v.time);
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
    showToggle(generatorSummerTimeButton_, v.summerSwitch);
    showState(summerTableNotice_, v.legalNotice);
    summerTableButton_->setEnabled(v.updateEnabled);
    showToggle(headphoneButton_, v.headphone);
    showToggle(channelsButton_, v.channels);
}

void MainWindow::generatorPanelRefresh()
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

void MainWindow::alignGeneratorClock() { pending_[LiveGeneratorClockAlign].changed = true; }

void MainWindow::generatorSummerTimeClicked()
{
    const bool down = generatorSummerTimeButton_->isChecked();
    generatorSummerTimeButton_->setText(summerTimeCaption(down));
    if (down != shared_.withGenerator([](const GeneratorStatus& g) { return g.summerTimeOff(); }))
        pending_[LiveGeneratorSummerTime].changed = true;
}

void MainWindow::playOnHeadphoneClicked() { playClicked(headphoneButton_, LiveGeneratorHeadphone, &headphoneCaption); }

void MainWindow::playOnChannelsClicked() { playClicked(channelsButton_, LiveGeneratorChannels, &channelsCaption); }

void MainWindow::playClicked(QPushButton* button, LiveParam entry, QString (*caption)(bool))
{
    if (messageCombo_->currentIndex() < 0) {
        button->setChecked(!button->isChecked()); // nothing to play: the click is undone
        return;
    }
    const bool down = button->isChecked();
    button->setText(caption(down));
    if (down != shared_.withGenerator([](const GeneratorStatus& g) { return g.playing(); }))
        pending_[entry].changed = true;
}

void MainWindow::sendSummerTimeTable()
{
    pending_[LiveGeneratorLegalUpdate].changed = true;
    summerTableButton_->setDown(false);
}

} // namespace q7582
