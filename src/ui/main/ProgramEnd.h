#pragma once
// Every way the program is asked to end goes through the main window's close path
// (termination signals and the session's end, besides the window's own close), and
// the program ends when that window has closed, whatever other window is open.

class QApplication;

namespace q7582 {

class MainWindow;

void routeProgramEnd(QApplication& app, MainWindow& window);

} // namespace q7582
