#pragma once
// The main window's "&Site" menu (Site1), placed before the help menus so that the
// other menus keep their order and letters: a new site, another folder opened as a site,
// the recent sites (a missing one marked and offered for removal), the open site's
// folder in the file manager, and the overview of its masters.

#include <QObject>
#include <QUrl>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace q7582 {

class DialogProvider;
class SiteSession;

// Asks for a new site's name until it is one a site can have, and makes the site under
// parent; the folder made, empty when cancelled or when it could not be made (told).
QString askNewSite(DialogProvider& dialogs, QWidget* window, const QString& parent);

class SiteMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int RecentShown = 10;

    struct Hooks {
        std::function<void(const QString& folder)> switchTo; // ends the window's session for that site
        std::function<void()> overview;
        std::function<bool(const QUrl&)> openUrl; // the desktop's (QDesktopServices::openUrl); tests record it
    };

    SiteMenu(QMenuBar* bar, SiteSession& session, DialogProvider& dialogs, QWidget* window, Hooks hooks);

    QMenu* menu() const { return menu_; }
    // The recent sites, read again: the list may have changed in another manager.
    void refill();

private:
    void newSite();
    void openSite();
    void openRecent(const QString& folder, const QString& problem);
    void openFolder();

    SiteSession& session_;
    DialogProvider& dialogs_;
    QWidget* window_;
    Hooks hooks_;
    QMenu* menu_;
    QAction* recentEnd_;
};

} // namespace q7582
