#pragma once
// The windows the main window opens from its menus: the configuration editor
// ("&Config"/"&Edit") and the message folder compiler ("&Message"/"&Open"). Both are
// children of the main window, so they are modal over it only and close with it.

namespace q7582 {

class MainWindow;
class Workspace;
class ConfigEditor;
class MessageFolderWindow;

struct SecondaryWindows {
    ConfigEditor* editor = nullptr;
    MessageFolderWindow* compiler = nullptr;
};

// Creates both on the workspace, in start-up order, and connects them to the window's
// menu items and help; the editor keeps its changes when the session ends.
SecondaryWindows createSecondaryWindows(MainWindow& window, Workspace& workspace);

} // namespace q7582
