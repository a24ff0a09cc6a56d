// The menu bar: its order, the items waiting for their windows, the generator mode,
// and the report items reaching the report viewer.

#include "WindowFixture.h"
#include "reports/Listform.h"
#include "msgfolder/SDIMAIN.h"
#include "ui/config/Config.h"
#include "ui/main/SecondaryWindows.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTextEdit>

namespace q7582::test {
namespace {

using MenuBar = WindowTest;

QStringList captions(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        if (!a->isSeparator())
            out << a->text();
    return out;
}

TEST_F(MenuBar, HoldsEveryCommandInItsOrder)
{
    EXPECT_EQ(captions(window->menuBar()->actions()),
              QStringList({"&Message", "&Config", "&Report", "H&elp Language", "&Help", "&Exit"}));
    EXPECT_EQ(captions(find<QMenu>("Config1")->actions()),
              QStringList({"&Edit", "&Upload", "&Download", "&Save", "&Open", "&Load Default"}));
    EXPECT_EQ(captions(find<QMenu>("LoadDefault1")->actions()),
              QStringList({"Master 0", "Master 1", "Master 2", "Master 3", "Master 4", "Master 5"}));
    EXPECT_EQ(captions(find<QMenu>("Report1")->actions()), QStringList({"&Status", "&Configuration"}));
    EXPECT_EQ(captions(find<QMenu>("Configuration1")->actions()),
              QStringList({"Connected &units", "Connected &IO card", "Configured &Timers"}));
    EXPECT_EQ(captions(find<QMenu>("Help1")->actions()), QStringList({"&Help", "&Info"}));
}

TEST_F(MenuBar, CompilerAndEditorItemsWaitForTheirWindows)
{
    EXPECT_FALSE(find<QAction>("Open2")->isEnabled());
    EXPECT_FALSE(find<QAction>("Edit2")->isEnabled());
    int compiler = 0, editor = 0;
    window->setMessageCompilerOpener([&] { ++compiler; });
    window->setConfigEditorOpener([&] { ++editor; });
    trigger("Open2");
    trigger("Edit2");
    trigger("Edit2");
    EXPECT_EQ(compiler, 1);
    EXPECT_EQ(editor, 2);
    window->setConfigEditorOpener(nullptr);
    EXPECT_FALSE(find<QAction>("Edit2")->isEnabled());
}

TEST_F(MenuBar, EditorAndCompilerAreModalOverTheWindowAndCommitsShowInTheCaption)
{
    const SecondaryWindows w = createSecondaryWindows(*window);
    EXPECT_TRUE(find<QAction>("Open2")->isEnabled());
    EXPECT_TRUE(find<QAction>("Edit2")->isEnabled());
    EXPECT_EQ(w.editor->parentWidget(), window.get());
    EXPECT_EQ(w.compiler->parentWidget(), window.get());

    window->provenance().modified = true; // as the editor's "Yes" leaves it
    emit w.editor->configurationCommitted();
    EXPECT_EQ(text("StatusBar1Panel3"), "DEFAULT Configuration of Master 0 - MODIFIED");
}

TEST_F(MenuBar, GeneratorModeDisablesMessageConfigAndReport)
{
    window->enterGeneratorMode();
    for (const char* name : {"Message1", "Config1", "Report1"})
        EXPECT_FALSE(find<QMenu>(name)->isEnabled()) << name;
    for (const char* name : {"HelpLanguage1", "Help1"})
        EXPECT_TRUE(find<QMenu>(name)->isEnabled()) << name;
    EXPECT_TRUE(find<QAction>("Exit1")->isEnabled());
    window->enterMasterMode();
    for (const char* name : {"Message1", "Config1", "Report1"})
        EXPECT_TRUE(find<QMenu>(name)->isEnabled()) << name;
}

TEST_F(MenuBar, ReportItemsCheckFirstThenFillTheViewerFromTheControls)
{
    trigger("Status1");
    trigger("imers1");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_EQ(dialogs.warnings[0], std::make_pair(QString("Status Report"), QString("No master connected")));
    EXPECT_EQ(dialogs.warnings[1], std::make_pair(QString("Configuration Report"), QString("No master connected")));

    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::AddressChime] = 0x82;
        s.setMusicSourceLevel(1, 6);
    });
    connectMaster();
    trigger("Status1");
    const QString report = window->reportViewer().richEdit()->toPlainText();
    EXPECT_TRUE(report.startsWith("Status report of the master with address 2"));
    EXPECT_TRUE(report.contains("Master address = 2"));
    EXPECT_TRUE(report.contains("Chime enable = ON"));
    EXPECT_TRUE(report.contains("CD setting = 6"));

    trigger("Connectedunits1");
    EXPECT_EQ(dialogs.warnings.back().second, "Configuration not Uploaded");
    window->uploadCompleted(ConfigImage{}, 0x82);
    trigger("ConnectedIOcard1");
    EXPECT_EQ(dialogs.warnings.size(), 3u);
    EXPECT_EQ(window->reportViewer().windowTitle(), "Configuration report");
    window->reportViewer().close();
}

TEST_F(MenuBar, ExitClosesTheWindow)
{
    window->show();
    trigger("Exit1");
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace q7582::test
