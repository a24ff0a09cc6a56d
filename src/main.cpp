// The Q7582 manager. It reads no command-line arguments; its settings, name lists,
// summer-time table and help files lie in the working directory under relative names.

#include "link/Chip.h"
#include "link/LinkShared.h"
#include "model/Dati.h"
#include "model/LegalFile.h"
#include "ui/main/Main.h"
#include "ui/main/ProgramEnd.h"
#include "ui/main/SecondaryWindows.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {

// TDataModule1: the default configuration of master 0 and the summer-time table.
void dataModuleStartUp(q7582::TForm1& window)
{
    using namespace q7582;
    buildDefaultConfiguration(window.configImage(), 0).applyTo(window.provenance());
    createLegalFileIfMissing();
    loadLegalFile(window.legalFileImage());
    window.captionRefresh();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qs7582"));
    QApplication::setApplicationDisplayName(QStringLiteral("Q7582 Manager"));

    q7582::LinkShared shared;
    q7582::TForm1 window(shared);
    dataModuleStartUp(window);
    q7582::createSecondaryWindows(window);
    q7582::routeProgramEnd(app, window);

    // Centred on the desktop when it first shows.
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();

    // The link starts after the first all-zero display has been up for 500 ms.
    QTimer::singleShot(500, &window, [&window] { window.startLink(q7582::makeChipFromEnvironment()); });
    return app.exec();
}
