// The menu bar (its order, the items waiting for their windows, the report items, the help
// language, help and the About box) and the configuration commands: the provenance they
// leave, the .cfi files they write and read, and how they fail; the working folder's lock.

#include "ByteNamedFolder.h"
#include "FileFixture.h"
#include "WindowFixture.h"
#include "WriteFailure.h"
#include "history/ConfigFiles.h"
#include "model/DefaultConfiguration.h"
#include "program/SecondaryWindows.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/AboutBox.h"
#include "ui/main/ConfigCommands.h"
#include "ui/main/WorkingFolderLock.h"
#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/reports/ReportViewer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace q7582::test {
namespace {

class ConfigCommands : public WindowTest {
protected:
    // A command whose file dialog answers name.
    void run(const char* command, const std::string& name)
    {
        dialogs.answers.push_back(QString::fromStdString(path(name)));
        trigger(command);
    }
    const Provenance& p() { return workspace->provenance(); }
};

std::string imageBytes(Byte fill) { return std::string(ConfigImage::Size, char(fill)); }

TEST(ExtensionRule, OnlyANameWithoutExtensionGainsCfi)
{
    EXPECT_EQ(withCfiExtension("/home/x/my.configs/abc"), "/home/x/my.configs/abc.cfi");
    EXPECT_EQ(withCfiExtension("abc."), "abc."); // the dot alone is an extension
    EXPECT_EQ(withCfiExtension("/home/x/my.configs/abc.cfi"), "/home/x/my.configs/abc.cfi");
}

// The caption names origin and modification at once; each command shows it at once.
TEST_F(ConfigCommands, ProvenanceFollowsEveryEventOfItsTable)
{
    // Load Default n, from a modified image (Yes to replacing it)
    acceptEdited(ConfigImage{});
    dialogs.yeses = 1;
    trigger("Master3");
    EXPECT_FALSE(p().unsaved);
    ConfigImage expected;
    buildDefaultConfiguration(expected, 3);
    EXPECT_EQ(workspace->config(), expected);
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 3");

    // Save of a default image under any name leaves it a default one
    run("Save1", "default3.cfi");
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 3");

    // Open
    write("a.cfi", imageBytes(0x11));
    acceptEdited(workspace->config());
    dialogs.yeses = 1;
    run("Open1", "a.cfi");
    EXPECT_FALSE(p().unsaved);
    EXPECT_EQ(caption(), "Configuration from File");
    EXPECT_EQ(find("StatusBar1Panel3")->toolTip(), QString::fromStdString(path("a.cfi"))); // where it came from

    // editor accepted
    ConfigImage edited = workspace->config();
    edited.bytes[5] = 0x55;
    acceptEdited(edited);
    EXPECT_EQ(caption(), "Configuration from File - MODIFIED");

    // Save to another name keeps it modified (but saved); to the same name clears it
    run("Save1", "other.cfi");
    EXPECT_FALSE(p().unsaved);
    EXPECT_EQ(caption(), "Configuration from File - MODIFIED");
    EXPECT_EQ(p().currentFileName, path("a.cfi"));
    run("Save1", "a"); // the same file once ".cfi" is added: asked first, and Cancel keeps it
    EXPECT_EQ(read("a.cfi"), imageBytes(0x11));
    dialogs.oks = {true};
    run("Save1", "a");
    EXPECT_EQ(caption(), "Configuration from File");
    EXPECT_EQ(read("a.cfi")[5], 0x55);

    // Upload completed
    acceptEdited(workspace->config());
    ConfigImage received;
    received.bytes[100] = 7;
    window->uploadCompleted(received, 0x82);
    EXPECT_FALSE(p().unsaved);
    EXPECT_EQ(workspace->config(), received);
    EXPECT_EQ(caption(), "Configuration from Master 2");

    // Save of an uploaded image changes nothing
    run("Save1", "up.cfi");
    EXPECT_EQ(caption(), "Configuration from Master 2");

    // Download completed with another master byte (chime switched): still modified
    acceptEdited(workspace->config());
    window->downloadCompleted(0x02);
    EXPECT_TRUE(p().modified);
    EXPECT_FALSE(p().unsaved); // the master holds it
    // ... with the same byte: clean
    window->downloadCompleted(0x82);
    EXPECT_FALSE(p().modified);

    // transfer failed: the link only enables the window again and refreshes the caption
    acceptEdited(workspace->config());
    window->enableMainWindow();
    window->captionRefresh();
    EXPECT_EQ(caption(), "Configuration from Master 2 - MODIFIED");
    EXPECT_TRUE(p().unsaved);
}

// A short file is asked about first and replaces only its length; a failed Save or
// Open shows the reason and changes nothing.
TEST_F(ConfigCommands, ShortFileAsksFirstAndFailedSaveOrOpenChangesNothing)
{
    workspace->config().bytes.fill(0xEE);
    acceptEdited(workspace->config());
    dialogs.yeses = 3; // to replacing it, while it is unsaved
    write("short.cfi", std::string(100, '\x01'));

    run("Open1", "short.cfi"); // Cancel
    ASSERT_EQ(dialogs.okCancelAsked.size(), 1u);
    EXPECT_TRUE(dialogs.okCancelAsked[0].second.contains("100 bytes"));
    EXPECT_EQ(workspace->config().bytes[0], 0xEE);
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 0 - MODIFIED");

    dialogs.oks = {true};
    run("Open1", "short.cfi");
    for (auto [offset, value] : {std::pair{0, 0x01}, {99, 0x01}, {100, 0xEE}, {ConfigImage::Size - 1, 0xEE}})
        EXPECT_EQ(workspace->config().bytes[std::size_t(offset)], value) << offset;
    EXPECT_EQ(caption(), "Configuration from File");

    write("whole.cfi", imageBytes(0x22));
    run("Open1", "whole.cfi");
    EXPECT_EQ(dialogs.okCancelAsked.size(), 2u); // a whole image is not questioned
    EXPECT_EQ(workspace->config().bytes[ConfigImage::Size - 1], 0x22);

    // The disk is full: the old file stays whole.
    acceptEdited(workspace->config());
    {
        WriteFailure diskFull;
        run("Save1", "whole.cfi");
    }
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].first, "Errore");
    EXPECT_TRUE(dialogs.warnings[0].second.contains("whole.cfi"));
    EXPECT_EQ(read("whole.cfi"), imageBytes(0x22));

    // A folder chosen to open: the reason, and the image and state as they were.
    const ConfigImage image = workspace->config();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.cfi"));
    run("Open1", "folder.cfi");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_TRUE(dialogs.warnings[1].second.contains("directory"));
    EXPECT_EQ(workspace->config(), image);
    EXPECT_EQ(p().currentFileName, path("whole.cfi"));
    EXPECT_TRUE(p().modified);
}

// Load Default, Open and Upload ask before replacing a configuration changed and not
// saved, and leave it alone on No, the default.
TEST_F(ConfigCommands, ReplacingAnUnsavedConfigurationAsksFirst)
{
    connectMaster();
    refresh(); // page 0: the master has told its address
    write("a.cfi", imageBytes(0x11));
    for (const char* command : {"Master1", "Open1", "Edit1"}) {
        acceptEdited(ConfigImage{});
        dialogs.answers = {QString::fromStdString(path("a.cfi"))};
        trigger(command);
        EXPECT_TRUE(workspace->config() == ConfigImage{} && !shared.requests.uploadRequest) << command;
        dialogs.yeses = 1;
        trigger(command);
        EXPECT_TRUE(workspace->config() != ConfigImage{} || shared.requests.uploadRequest) << command;
    }
    EXPECT_EQ(dialogs.questions, QStringList(6, UnsavedReplaceQuestion));
}

// The id of a process that has already ended, as a crashed manager's would be.
qint64 endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

using WorkingFolderLock = FileFixture;

TEST_F(WorkingFolderLock, ASecondManagerIsRefusedUntouchedAndACrashedOnesLockIsTakenOver)
{
    const std::string lockName = WorkingFolderLockName;
    ScriptedDialogs dialogs;
    auto running = lockWorkingFolder(dialogs, tmp.path());
    ASSERT_TRUE(running);
    const std::string held = read(lockName);

    EXPECT_FALSE(lockWorkingFolder(dialogs, tmp.path()));
    EXPECT_EQ(dialogs.warnings, (std::vector<ScriptedDialogs::Box>{{"Errore", AlreadyRunningText}}));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{WorkingFolderLockName});
    EXPECT_EQ(read(lockName), held);

    // The same lock, left behind by a process that is gone.
    running.reset();
    ASSERT_FALSE(QFile::exists(tmp.filePath(WorkingFolderLockName)));
    write(lockName, std::to_string(endedProcess()) + held.substr(held.find('\n')));
    running = lockWorkingFolder(dialogs, tmp.path());
    EXPECT_TRUE(running);
    EXPECT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(read(lockName), held);
}

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
    EXPECT_EQ(captions(find("Config1")), QStringList({"&Edit", "&Upload", "&Download", "&Save", "&Compare...", "&Open",
                                                      "&History...", "&Load Default", "&Recent Files"}));

    // The help language menu mirrors and saves the setting.
    auto* italiano = find<QAction>("italiano1");
    auto* english = find<QAction>("english1");
    for (int i = 0; i < 2; ++i) { // picking the language in force again leaves one mark
        english->trigger();
        EXPECT_TRUE(!italiano->isChecked() && english->isChecked());
    }
    EXPECT_NE(read("QS7582.ini").find("help = english\r\n"), std::string::npos);
}

TEST_F(MenuBar, CompilerEditorAndHistoryItemsWaitForTheirModalWindows)
{
    const QStringList items{"Open2", "Edit2", "History1"};
    for (const QString& item : items)
        EXPECT_FALSE(find<QAction>(item)->isEnabled()) << item.toStdString();
    [[maybe_unused]] const SecondaryWindows windows = createSecondaryWindows(*window, *workspace);
    for (const QString& item : items)
        EXPECT_TRUE(find<QAction>(item)->isEnabled()) << item.toStdString();

    QStringList opened;
    window->setMessageCompilerOpener([&] { opened << "compiler"; });
    window->setConfigEditorOpener([&] { opened << "editor"; });
    trigger("Open2");
    trigger("Edit2");
    EXPECT_EQ(opened, QStringList({"compiler", "editor"}));
    window->setConfigEditorOpener(nullptr);
    EXPECT_FALSE(find<QAction>("Edit2")->isEnabled());
}

TEST_F(MenuBar, ReportItemsCheckFirstThenFillTheViewerFromTheControls)
{
    trigger("Status1");
    trigger("imers1");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_EQ(std::tuple(dialogs.warnings[0].first, dialogs.warnings[1].first),
              std::tuple("Status Report", "Configuration Report"));
    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::AddressChime] = 0x82;
        s.setMusicSourceLevel(1, 6);
    });
    connectMaster();
    trigger("Status1");
    const QString report = window->reportViewer().richEdit()->toPlainText();
    EXPECT_TRUE(report.startsWith("Status report of the master with address 2")) << report.toStdString();
    EXPECT_TRUE(report.contains("Chime enable = ON") && report.contains("CD setting = 6"));

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

    // The packaged icon.
    EXPECT_FALSE(box.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
}

} // namespace
// Compare shows what changed since the chosen file, names where the image in memory came
// from, and changes neither; a file that is not one image is refused with its size.
TEST_F(ConfigCommands, CompareShowsTheDifferencesAndChangesNothing)
{
    ConfigImage lastVisit;
    buildDefaultConfiguration(lastVisit, 0);
    write("last.cfi", bytesOf(lastVisit));
    write("short.cfi", imageBytes(0).substr(0, 100));
    ConfigImage edited = lastVisit;
    edited.messageEvent(5).setMessageNumber(9);
    acceptEdited(edited);

    run("Compare1", "last.cfi");
    const QString shown = window->reportViewer().richEdit()->toPlainText();
    EXPECT_TRUE(shown.contains("From: " + QString::fromStdString(path("last.cfi")))) << shown.toStdString();
    EXPECT_TRUE(shown.contains("To: default configuration of master 0, modified"));
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Message event 5: message 5 → 9")));
    EXPECT_EQ(workspace->config(), edited);
    EXPECT_TRUE(p().unsaved);

    window->reportViewer().richEdit()->clear();
    run("Compare1", "short.cfi");
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].second.contains("short.cfi: 100 bytes long, not 32768"));
    EXPECT_TRUE(window->reportViewer().richEdit()->toPlainText().isEmpty());
}

// Open and Compare start in the folder of the file chosen last; a cancelled dialog
// leaves it; a folder chosen in a folder dialog is where the next one starts.
TEST_F(ConfigCommands, OpenDialogsStartWhereTheLastOneWasLeft)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("site"));
    write("site/hall.cfi", imageBytes(1));
    run("Open1", "site/hall.cfi");
    trigger("Compare1"); // cancelled
    trigger("Open1");    // cancelled
    const QString site = QDir(QString::fromStdString(path("site"))).absolutePath();
    EXPECT_EQ(dialogs.startFolders, QStringList({QString(), site, site}));

    dialogs.answers = {dir.path()};
    EXPECT_EQ(dialogs.getExistingDirectory(window.get(), "Message list folder"), dir.path());
    trigger("Open1");
    EXPECT_EQ(dialogs.startFolders.back(), QDir(dir.path()).absolutePath());
}

// Qt's file dialog reaches the working folder by its absolute name; one that is not UTF-8
// reaches no folder, and the dialog would start in the parent and save there.
TEST_F(ConfigCommands, SaveDialogsSaveInAWorkingFolderWhoseNameIsNotUtf8)
{
    const ByteNamedFolder site(dir.path().toStdString() + "/site\xff");
    const QString before = QDir::currentPath();
    ASSERT_EQ(::chdir(site.path.c_str()), 0);
    QtDialogProvider qtDialogs;
    q7582::ConfigCommands commands(*workspace, qtDialogs, window.get());
    ReportViewer viewer(qtDialogs);
    const struct {
        std::function<void()> command;
        const char* typed;
        const char* saved;
    } cases[] = {{[&] { commands.save(); }, "x", "x.cfi"}, {[&] { viewer.saveAs(); }, "r.txt", "r.txt"}};
    for (const auto& c : cases) {
        // The dialog as a user answers it: the name typed, then Save.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&answer, &c] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(c.typed);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        answer.start(10);
        c.command();
        EXPECT_TRUE(isRegularFile(site.path + "/" + c.saved)) << c.saved;
    }
    QDir::setCurrent(before);
}

} // namespace q7582::test
