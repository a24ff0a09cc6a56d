#include "ui/main/ProgramEnd.h"

#include "app/TerminationSignals.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QSessionManager>

namespace q7582 {

void routeProgramEnd(QApplication& app, MainWindow& window)
{
    new TerminationSignals([&window] { window.requestClose(CloseSource::Session); }, &window);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.requestClose(CloseSource::Session); });
    // Queued: the close event finishes first.
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace q7582
