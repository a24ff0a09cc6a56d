#pragma once
// The site the window works in, and the one it goes to next. The window runs in the
// working folder; switching takes the new site's lock while the old window still stands
// (so that a site another manager holds is refused before anything closes), then the
// window's session ends and the next one starts in the new folder.

#include "sites/KnownSites.h"
#include "sites/LegacyFolder.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace q7582 {

// Where the window starts.
struct StartSite {
    QString folder;       // the site to enter; empty: the working folder as it is
    bool askName = false; // no known site is there: a first one is made, by the name the user gives
    QString notice;       // what was done or found on the way, for the user
};

// Started from a terminal (lastSite false): the working folder. From the menu entry: the
// folder earlier versions used is adopted first (LegacyFolder), then the most recent
// known site that is there; the missing ones before it are named in the notice.
StartSite chooseStartSite(bool lastSite, KnownSites& known, const QString& legacy = legacyFolder(),
                          const QString& home = sitesHome());

class SiteSession {
public:
    explicit SiteSession(KnownSites& known);

    KnownSites& known() { return known_; }
    // The open site: the working folder, absolute (its bytes kept).
    const QString& folder() const { return folder_; }
    QString name() const;

    // The working folder is the open site from now on: a known site, most recent first.
    void opened();
    // Enters folder as the site (the working folder is left as it was when it cannot be,
    // and the reason returned); empty when done.
    QString enter(const QString& folder);

    // Readies a switch to folder: empty when the window may end its session for it,
    // otherwise why not (not a folder, not readable, the open site, another manager in
    // it). The new site's lock is held from here on.
    QString prepareSwitch(const QString& folder);
    void cancelSwitch();
    bool switching() const { return !switchTo_.isEmpty(); }
    // After the window's session ended: gives up the old lock, enters the prepared site
    // and takes over its lock. Empty when done; otherwise why, the old site kept (and its
    // lock taken again when it can be).
    QString switchNow(std::unique_ptr<QLockFile>& lock);

private:
    KnownSites& known_;
    QString folder_;
    QString switchTo_;
    std::unique_ptr<QLockFile> nextLock_;
};

} // namespace q7582
