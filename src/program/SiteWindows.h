#pragma once
// The window's run: in the working folder's site, then again in each site the window
// switches to. A switch ends the window's session as closing does (with the same
// questions), the next site's lock already held; the next window is built afresh in
// that folder, so its names, settings, LEGAL.BIN and history are that site's, exactly
// as if the program had been started there, and the link starts again.

#include <functional>

class QApplication;

namespace q7582 {

class DialogProvider;
class MainWindow;
struct ManagerOptions;

struct SiteWindowHooks {
    DialogProvider* dialogs = nullptr;      // null: the real dialogs
    std::function<void(MainWindow&)> shown; // each window once it is up (tests)
};

// The program's exit status: 0 when the window closed, 1 when another manager holds
// the site, 2 when the site to start in cannot be entered.
int runSiteWindows(QApplication& app, const ManagerOptions& options, const SiteWindowHooks& hooks = {});

} // namespace q7582
