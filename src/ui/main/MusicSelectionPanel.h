#pragma once
// The "Music selection" panel: the master's music source and music on remote.

#include "ui/main/Panel.h"

class QPushButton;

namespace q7582 {

class MusicCombo;
class NameTables;

class MusicSelectionPanel : public Panel {
    Q_OBJECT
public:
    explicit MusicSelectionPanel(QWidget* parent);

    // Refills the list with the five names in order; none stays selected.
    void showNames(const NameTables& names);
    // The master's source; one the list does not hold selects none.
    void showSource(int index);
    QString sourceText() const;
    bool musicOnRemote() const;
    void showMusicOnRemote(bool on);

signals:
    // The list opened or closed: the refresh leaves the source alone meanwhile.
    void listOpened();
    void listClosed();
    void sourceChosen(int index); // by the user only
    void musicOnRemoteClicked();

private:
    MusicCombo* source_;
    QPushButton* musicOnRemote_;
};

} // namespace q7582
