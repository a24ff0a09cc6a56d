#pragma once
// The message-generator page `PanelMG`: the generator's date, time, card and folder
// states, the message list with its play buttons, and the summer-time controls. It shows
// a GeneratorPanelView and reports the user's clicks; the window marks them pending.

#include "ui/main/GeneratorPanel.h"
#include "ui/main/PendingChanges.h"

#include "ui/main/Panel.h"

class QComboBox;
class QPushButton;

namespace q7582 {

class ClickLabel;

class GeneratorPage : public Panel {
    Q_OBJECT
public:
    GeneratorPage(const QSize& size, QWidget* parent);

    // What the controls hold now, as the refresh starts from it.
    GeneratorPanelView view() const;
    void showView(const GeneratorPanelView& view);

signals:
    void alignClicked();
    void summerTimeClicked(bool off);
    // A play button changed with a message selected (entry: headphone or channels).
    void playClicked(LiveParam entry, bool down);
    void summerTableUpdateClicked();

private:
    void buildStates();
    void buildControls();
    void onPlayClicked(QPushButton* button, LiveParam entry, QString (*caption)(bool));

    ClickLabel* date_ = nullptr;
    ClickLabel* time_ = nullptr;
    ClickLabel* sdCardState_ = nullptr;
    ClickLabel* messageFolderState_ = nullptr;
    ClickLabel* messageCount_ = nullptr;
    QComboBox* messageCombo_ = nullptr;
    ClickLabel* summerTableId_ = nullptr;
    ClickLabel* summerTableNotice_ = nullptr;
    QPushButton* headphoneButton_ = nullptr;
    QPushButton* channelsButton_ = nullptr;
    QPushButton* summerTimeButton_ = nullptr;
    QPushButton* alignButton_ = nullptr;
    QPushButton* summerTableButton_ = nullptr;
};

} // namespace q7582
