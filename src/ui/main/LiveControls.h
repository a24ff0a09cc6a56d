#pragma once
// The live controls of the master page and the status refresh that goes with them. No
// control talks to the master: each marks a pending change, and the refresh the link
// calls after every status read folds it into the StatusBlock or shows the master's value.

#include "link/LinkShared.h"
#include "reports/StatusReport.h"
#include "ui/main/MasterPagePanels.h"
#include "ui/main/PendingChanges.h"
#include "ui/main/StatusRules.h"

#include <QDateTime>
#include <QObject>
#include <array>
#include <functional>

class QSlider;
class QTimer;
class QWidget;

namespace q7582 {

class DialogProvider;

class LiveControls : public QObject {
    Q_OBJECT
public:
    // window: the parent of the address dialog and of this object.
    LiveControls(LinkShared& shared, PendingChangeTable& pending, const MasterPagePanels& panels,
                 DialogProvider& dialogs, std::function<QDateTime()> now, QWidget* window);

    int selectedMusicSource() const { return selectedMusicSource_; }
    // After every status read: each group folds the user's pending change or shows the master's.
    void refreshStatus();
    // The master panel works only with a master connected.
    void showConnection();
    // What the status report reads from the controls.
    StatusWindowValues statusWindowValues() const;

private:
    void connectControls();
    void levelChanged(LiveParam slider);
    void parkFocus();
    void musicSourceChosen(int index);
    void musicOnRemoteClicked();
    // A toggle marks its change only when it differs from what the master holds.
    void markIfChanged(LiveParam entry, bool value, bool (StatusBlock::*onMaster)() const);
    void changeMasterAddress();
    void toggleZoneMusic(int cell, Qt::MouseButton button);

    void foldOrShowLevels(StatusBlock& sb);
    void foldOrShowMasterPanel(StatusBlock& sb);
    void foldOrShowMusicSelection(StatusBlock& sb);
    // Folds a pending change into the block and asks for its write; false: none pending.
    bool foldPending(LiveParam entry, std::atomic<bool>& request, const std::function<void()>& fold);
    void requestWrite(std::atomic<bool>& request);

    LinkShared& shared_;
    PendingChangeTable& pending_;
    MasterPagePanels panels_;
    DialogProvider& dialogs_;
    std::function<QDateTime()> now_;
    QWidget* window_;
    std::array<QSlider*, LevelSliderCount> levelSliders_{};
    QTimer* parkFocusTimer_;
    int selectedMusicSource_ = 0;
};

} // namespace q7582
