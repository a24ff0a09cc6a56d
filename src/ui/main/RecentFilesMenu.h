#pragma once
// "&Config" > "&Recent Files": the site's recent .cfi files, newest first, refilled each
// time it opens. A file that is not there any more reads "(missing)"; choosing it offers
// to remove it from the list.

#include <QObject>

class QMenu;

namespace q7582 {

class ConfigCommands;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu at the end of `config`.
    RecentFilesMenu(QMenu* config, ConfigCommands& commands);

    // The items as the list stands now.
    void refill();

private:
    QMenu* menu_;
    ConfigCommands& commands_;
};

} // namespace q7582
