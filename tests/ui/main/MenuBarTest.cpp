// The menu bar: its order, the items waiting for their windows, the report items, the help
// language, help and the About box.

#include "WindowFixture.h"
#include "program/SecondaryWindows.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/AboutBox.h"
#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/reports/ReportViewer.h"

#include <QDir>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>

namespace q7582::test {
namespace {

using MenuBar = WindowTest;

QStringList captions(const QWidget* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            out << a->text();
    return out;
}

TEST_F(MenuBar, HoldsEveryCommandInItsOrderAndSavesTheHelpLanguage)
{
    EXPECT_EQ(captions(window->menuBar()),
              QStringList({"&Message", "&Config", "&Report", "H&elp Language", "&Help", "Rec&ord", "E&xit"}));
    EXPECT_EQ(captions(find("Config1")),
              QStringList({"&Edit", "&Upload", "&Download", "&Save", "&Compare...", "Compare with De&fault", "&Open",
                           "&History...", "&Load Default", "&Recent Files"}));
    EXPECT_EQ(captions(find("Report1")), QStringList({"&Status", "&Configuration", "&Timeline..."}));

    // The help language menu mirrors and saves the setting.
    auto* italiano = find<QAction>("italiano1");
    auto* english = find<QAction>("english1");
    for (int i = 0; i < 2; ++i) { // picking the language in force again leaves one mark
        english->trigger();
        EXPECT_EQ(std::pair(italiano->isChecked(), english->isChecked()), std::pair(false, true));
    }
    EXPECT_NE(read("QS7582.ini").find("help = english\r\n"), std::string::npos);
}

TEST_F(MenuBar, CompilerEditorAndHistoryItemsWaitForTheirModalWindows)
{
    const QStringList items{"Open2", "Edit2", "History1", "Timeline1"};
    for (const QString& item : items)
        EXPECT_FALSE(find<QAction>(item)->isEnabled()) << item.toStdString();
    const SecondaryWindows windows = createSecondaryWindows(*window, *workspace);
    for (const QString& item : items)
        EXPECT_TRUE(find<QAction>(item)->isEnabled()) << item.toStdString();
    for (const QWidget* modal :
         std::initializer_list<const QWidget*>{windows.editor, windows.compiler, windows.history})
        EXPECT_EQ(modal->parentWidget(), window.get());

    QStringList opened;
    window->setMessageCompilerOpener([&] { opened << "compiler"; });
    window->setConfigEditorOpener([&] { opened << "editor"; });
    trigger("Open2");
    trigger("Edit2");
    EXPECT_EQ(opened, QStringList({"compiler", "editor"}));
    window->setConfigEditorOpener(nullptr);
    EXPECT_FALSE(find<QAction>("Edit2")->isEnabled());

    // The timeline asks for a recording in the site's recordings folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir("recordings"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    trigger("Timeline1");
    QDir::setCurrent(before);
    ASSERT_EQ(dialogs.startFolders.size(), 1);
    EXPECT_EQ(QDir(dialogs.startFolders[0]).dirName(), "recordings");
}

TEST_F(MenuBar, ReportItemsCheckFirstThenFillTheViewerFromTheControls)
{
    trigger("Status1");
    trigger("imers1");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_EQ(std::tuple(dialogs.warnings[0].first, dialogs.warnings[1].first,
                         dialogs.warnings[1].second.section('\n', 0, 0)),
              std::tuple("Status Report", "Configuration Report", "No master connected"));
    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::AddressChime] = 0x82;
        s.setMusicSourceLevel(1, 6);
    });
    connectMaster();
    trigger("Status1");
    const QString report = window->reportViewer().richEdit()->toPlainText();
    EXPECT_TRUE(report.startsWith("Status report of the master with address 2")) << report.toStdString();
    for (const char* line : {"Chime enable = ON", "CD setting = 6"})
        EXPECT_TRUE(report.contains(line)) << line;

    // The configuration reports want an unmodified Upload from this master, chime bit and all.
    const auto refusal = [&](const char* item) {
        const std::size_t before = dialogs.warnings.size();
        trigger(item);
        return dialogs.warnings.size() > before ? dialogs.warnings.back().second.section('\n', 0, 0) : QString();
    };
    EXPECT_EQ(refusal("Connectedunits1"), "Configuration not Uploaded");
    window->uploadCompleted(ConfigImage{}, 0x02);
    EXPECT_EQ(refusal("imers1"), "Configuration is not uploaded from the connected master");
    window->uploadCompleted(ConfigImage{}, 0x82);
    acceptEdited(workspace->config());
    EXPECT_EQ(refusal("ConnectedIOcard1"), "Configuration modified");
    window->uploadCompleted(ConfigImage{}, 0x82);
    EXPECT_EQ(refusal("ConnectedIOcard1"), "");
    EXPECT_EQ(window->reportViewer().windowTitle(), "Configuration report");
    window->reportViewer().close();
}

TEST_F(MenuBar, HelpOpensTheViewerOnlyWithFileAndViewerElseTheBuiltInTopic)
{
    // The help buttons' own topics are checked with the help window.
    const auto topic = [&] { return window->helpOpener().browser()->source().toString(); };
    // The file of the language in force is there, and so is the viewer.
    QDir(dir.path()).mkpath("help");
    write("help/qs7582_ita.chm", "");
    trigger("Help2"); // no viewer yet
    ASSERT_NE(window->helpOpener().browser(), nullptr);
    EXPECT_EQ(topic(), "qrc:/help/it/1000.html"); // Italian help unless English is chosen
    viewerInstalled = true;
    find<QToolButton>("BbAddr")->click();
    ASSERT_EQ(viewerStarts.size(), 1u);
    EXPECT_EQ(viewerStarts[0].second, (QStringList{"--contextid=3002", dir.filePath("help/qs7582_ita.chm")}));
    window->helpOpener().open(HelpContext::HistoryWindow); // a topic the help file has not
    EXPECT_EQ(topic(), "qrc:/help/it/history.html");

    // English help chosen, its file missing: built-in again.
    trigger("english1");
    find<QToolButton>("BbMuSel")->click();
    EXPECT_EQ(viewerStarts.size(), 1u);
    EXPECT_EQ(topic(), "qrc:/help/en/3011.html");
    window->enterGeneratorMode(); // F1 there: the generator's topic
    trigger("Help2");
    EXPECT_EQ(topic(), "qrc:/help/en/5000.html");
}

TEST_F(MenuBar, AboutBoxShowsTheCompiledVersionAndTheFirmwareOfTheConnectedDevice)
{
    trigger("Info1");
    EXPECT_EQ(std::tuple(dialogs.executed, dialogs.lastFirmwareLine), std::tuple(QStringList{"TAboutBoxMain"}, ""));
    setStatus([](StatusBlock& s) { std::copy_n("\x01\x05", 2, &s.bytes[StatusBlock::FirmwareRelease]); });
    shared.connectionState = ConnectionState::Connected;
    trigger("Info1");
    EXPECT_EQ(dialogs.lastFirmwareLine, "Q7582 firmware release: 1.5");
    shared.withGenerator(
        [](GeneratorStatus& g) { std::copy_n("\x02\x0A", 2, &g.bytes[GeneratorStatus::FirmwareRelease]); });
    window->enterGeneratorMode();
    trigger("Info1");
    EXPECT_EQ(dialogs.lastFirmwareLine, "RKDV7582 firmware release: 2.10");

    // Compiled in: the same from any working directory.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    AboutBox box;
    QDir::setCurrent(before);
    EXPECT_EQ(std::tuple(box.windowTitle(), box.findChild<QLabel*>("Version")->text()),
              std::tuple("About", QStringLiteral("Version: " Q7582_VERSION)));

    // The packaged icon, in the box and on the window, at the sizes the desktop has.
    EXPECT_FALSE(box.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    EXPECT_EQ(window->windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
}

} // namespace
} // namespace q7582::test
