#pragma once
// The windows the main window opens from its menus: the configuration editor
// ("&Config"/"&Edit"), the history ("&Config"/"&History..."), the message folder
// compiler ("&Message"/"&Open") and the recordings' timelines ("&Report"/"&Timeline..."). All are children of the main
// window, so they are modal over it only and close with it.

namespace q7582 {

class MainWindow;
class Workspace;
class ConfigEditor;
class HistoryWindow;
class MessageFolderWindow;
class TimelineOpener;

struct SecondaryWindows {
    ConfigEditor* editor = nullptr;
    HistoryWindow* history = nullptr;
    MessageFolderWindow* compiler = nullptr;
    TimelineOpener* timeline = nullptr;
};

// Creates them on the workspace, in start-up order, and connects them to the window's
// menu items and help; the editor keeps its changes when the session ends.
SecondaryWindows createSecondaryWindows(MainWindow& window, Workspace& workspace);

} // namespace q7582
