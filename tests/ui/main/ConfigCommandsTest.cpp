// The configuration commands: the provenance they leave, the .cfi files they write and
// read, the questions before replacing an unsaved image, Compare, and how they fail.

#include "ui/main/ConfigCommands.h"
#include "ByteNamedFolder.h"
#include "WindowFixture.h"
#include "WriteFailure.h"
#include "history/ConfigFiles.h"
#include "history/RecentFiles.h"
#include "model/DefaultConfiguration.h"
#include "model/FilePath.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/main/WorkingFolderLock.h"
#include "ui/reports/ReportViewer.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTextEdit>
#include <sys/wait.h>
#include <unistd.h>

namespace q7582::test {
namespace {

class ConfigCommands : public WindowTest {
protected:
    // A command whose file dialog answers name.
    void run(const char* command, const std::string& name)
    {
        dialogs.answers.push_back(at(name));
        trigger(command);
    }
    const Provenance& p() { return workspace->provenance(); }
};

std::string imageBytes(Byte fill) { return std::string(ConfigImage::Size, char(fill)); }

// The caption names origin and modification at once; each command shows it at once.
TEST_F(ConfigCommands, ProvenanceFollowsEveryEventOfItsTable)
{
    // Load Default n, from a modified image (Yes to replacing it)
    acceptEdited(ConfigImage{});
    dialogs.yeses = 1;
    trigger("Master3");
    EXPECT_EQ(std::tuple(p().unsaved, caption()), std::tuple(false, "DEFAULT Configuration of Master 3"));
    ConfigImage expected;
    buildDefaultConfiguration(expected, 3);
    EXPECT_EQ(workspace->config(), expected);

    // Save of a default image under any name leaves it a default one
    run("Save1", "default3.cfi");
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 3");

    // Open
    write("a.cfi", imageBytes(0x11));
    acceptEdited(workspace->config());
    dialogs.yeses = 1;
    run("Open1", "a.cfi"); // the tool tip: where it came from
    EXPECT_EQ(std::tuple(p().unsaved, caption(), find("StatusBar1Panel3")->toolTip()),
              std::tuple(false, "Configuration from File", at("a.cfi")));

    // editor accepted
    ConfigImage edited = workspace->config();
    edited.bytes[5] = 0x55;
    acceptEdited(edited);
    EXPECT_EQ(caption(), "Configuration from File - MODIFIED");

    // Save to another name keeps it modified (but saved); to the same name clears it
    run("Save1", "other.cfi");
    EXPECT_EQ(std::tuple(p().unsaved, caption(), p().currentFileName),
              std::tuple(false, "Configuration from File - MODIFIED", path("a.cfi")));
    run("Save1", "a"); // the same file once ".cfi" is added: asked first, and Cancel keeps it
    EXPECT_EQ(read("a.cfi"), imageBytes(0x11));
    dialogs.oks = {true};
    run("Save1", "a");
    EXPECT_EQ(std::tuple(caption(), read("a.cfi")[5]), std::tuple("Configuration from File", '\x55'));

    // Upload completed
    acceptEdited(workspace->config());
    ConfigImage received;
    received.bytes[100] = 7;
    window->uploadCompleted(received, 0x82);
    EXPECT_EQ(workspace->config(), received);
    EXPECT_EQ(std::tuple(p().unsaved, caption()), std::tuple(false, "Configuration from Master 2"));

    // Save of an uploaded image changes nothing
    run("Save1", "up.cfi");
    EXPECT_EQ(caption(), "Configuration from Master 2");

    // Download completed with another master byte (chime switched): still modified
    acceptEdited(workspace->config());
    window->downloadCompleted(0x02);
    EXPECT_EQ(std::pair(p().modified, p().unsaved), std::pair(true, false)); // the master holds it
    // ... with the same byte: clean
    window->downloadCompleted(0x82);
    EXPECT_FALSE(p().modified);

    // transfer failed: the link only enables the window again and refreshes the caption
    acceptEdited(workspace->config());
    window->enableMainWindow();
    window->captionRefresh();
    EXPECT_EQ(std::tuple(caption(), p().unsaved), std::tuple("Configuration from Master 2 - MODIFIED", true));
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
    EXPECT_EQ(std::tuple(workspace->config().bytes[0], caption()),
              std::tuple(Byte(0xEE), "DEFAULT Configuration of Master 0 - MODIFIED"));

    dialogs.oks = {true};
    run("Open1", "short.cfi");
    for (auto [offset, value] : {std::pair{0, 0x01}, {99, 0x01}, {100, 0xEE}, {ConfigImage::Size - 1, 0xEE}})
        EXPECT_EQ(workspace->config().bytes[std::size_t(offset)], value) << offset;
    EXPECT_EQ(caption(), "Configuration from File");

    write("whole.cfi", imageBytes(0x22));
    run("Open1", "whole.cfi");
    EXPECT_EQ(std::tuple(dialogs.okCancelAsked.size(), workspace->config().bytes[ConfigImage::Size - 1]),
              std::tuple(2u, Byte(0x22))); // a whole image is not questioned

    // The disk is full: the old file stays whole.
    acceptEdited(workspace->config());
    {
        WriteFailure diskFull;
        run("Save1", "whole.cfi");
    }
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.warnings[0].first, read("whole.cfi")), std::tuple("Errore", imageBytes(0x22)));
    EXPECT_TRUE(dialogs.warnings[0].second.contains("whole.cfi"));

    // A folder chosen to open: the reason, and the image and state as they were.
    const ConfigImage image = workspace->config();
    ASSERT_TRUE(QDir(tmp.path()).mkdir("folder.cfi"));
    run("Open1", "folder.cfi");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_TRUE(dialogs.warnings[1].second.contains("directory"));
    EXPECT_EQ(workspace->config(), image);
    EXPECT_EQ(std::tuple(p().currentFileName, p().modified), std::tuple(path("whole.cfi"), true));
}

// Load Default, Open and Upload ask before replacing a configuration changed and not
// saved, and leave it alone on No, the default.
TEST_F(ConfigCommands, ReplacingAnUnsavedConfigurationAsksFirst)
{
    connectMaster();
    refresh(); // page 0: the master has told its address
    write("a.cfi", imageBytes(0x11));
    // Load Default and Open replace the image, Upload asks the link for one.
    for (auto [command, uploads] : {std::pair{"Master1", false}, {"Open1", false}, {"Edit1", true}}) {
        acceptEdited(ConfigImage{});
        dialogs.answers = {at("a.cfi")};
        trigger(command);
        EXPECT_EQ(std::pair(workspace->config() != ConfigImage{}, shared.requests.uploadRequest.load()),
                  std::pair(false, false))
            << command;
        dialogs.yeses = 1;
        trigger(command);
        EXPECT_EQ(std::pair(workspace->config() != ConfigImage{}, shared.requests.uploadRequest.exchange(false)),
                  std::pair(!uploads, uploads))
            << command;
    }
    EXPECT_EQ(dialogs.questions, QStringList(6, UnsavedReplaceQuestion));
}

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
    EXPECT_TRUE(shown.contains("From: " + at("last.cfi"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains("To: default configuration of master 0, modified"));
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Message event 5: message 5 → 9")));
    EXPECT_EQ(workspace->config(), edited);
    EXPECT_TRUE(p().unsaved);

    window->reportViewer().richEdit()->clear();
    run("Compare1", "short.cfi");
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].second.contains("short.cfi: 100 bytes long, not 32768"));
    EXPECT_TRUE(window->reportViewer().richEdit()->toPlainText().isEmpty());

    // In one step, against the factory default of the configuration's own master.
    dialogs.yeses = 1; // to replacing the edited one
    trigger("Master3");
    edited = workspace->config();
    edited.key(7, 4).setOutputEvent(7);
    acceptEdited(edited);
    trigger("CompareDefault1");
    const QString fromDefault = window->reportViewer().richEdit()->toPlainText();
    EXPECT_TRUE(fromDefault.contains("From: Default configuration of master 3")) << fromDefault.toStdString();
    EXPECT_TRUE(fromDefault.contains(QString::fromUtf8("Key 5: output event None → 7"))) << fromDefault.toStdString();
    EXPECT_EQ(fromDefault.count(QString::fromUtf8(" → ")), 1);
}

// Open and Compare start in the folder of the file chosen last; a cancelled dialog
// leaves it; a folder chosen in a folder dialog is where the next one starts.
TEST_F(ConfigCommands, OpenDialogsStartWhereTheLastOneWasLeftAndOnlyANameWithoutExtensionGainsCfi)
{
    ASSERT_TRUE(QDir(tmp.path()).mkpath("site"));
    write("site/hall.cfi", imageBytes(1));
    run("Open1", "site/hall.cfi");
    trigger("Compare1"); // cancelled
    trigger("Open1");    // cancelled
    const QString site = QDir(at("site")).absolutePath();
    EXPECT_EQ(dialogs.startFolders, QStringList({QString(), site, site}));

    dialogs.answers = {tmp.path()};
    EXPECT_EQ(dialogs.getExistingDirectory(window.get(), "Message list folder"), tmp.path());
    trigger("Open1");
    EXPECT_EQ(dialogs.startFolders.back(), QDir(tmp.path()).absolutePath());

    // Only a name without an extension gains .cfi.
    EXPECT_EQ(withCfiExtension("/home/x/my.configs/abc"), "/home/x/my.configs/abc.cfi");
    EXPECT_EQ(withCfiExtension("abc."), "abc."); // the dot alone is an extension
    EXPECT_EQ(withCfiExtension("/home/x/my.configs/abc.cfi"), "/home/x/my.configs/abc.cfi");
}

// Qt's file dialog reaches the working folder by its absolute name; one that is not UTF-8
// reaches no folder, and the dialog would start in the parent and save there.
TEST_F(ConfigCommands, SaveDialogsSaveInAWorkingFolderWhoseNameIsNotUtf8)
{
    const ByteNamedFolder site(tmp.path().toStdString() + "/site\xff");
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
        const InModal answer([&c](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            ASSERT_NE(name, nullptr) << modal->metaObject()->className();
            name->setText(c.typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        c.command();
        EXPECT_TRUE(isRegularFile(site.path + "/" + c.saved)) << c.saved;
    }
    QDir::setCurrent(before);
}

// .cfi files reached without the Open dialog: dropped on the window, chosen among the
// site's recent files, named on the command line. Each opens as "Open" does; what cannot
// be opened is told and changes nothing.
class OpeningFiles : public WindowTest {
protected:
    // A drop as the desktop delivers it; true when the window took it.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(100, 100);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        QCoreApplication::processEvents(); // the drop is answered once it has ended
        return enter.isAccepted() && dropped.isAccepted();
    }
    QUrl url(const std::string& name) const { return QUrl::fromLocalFile(at(name)); }
    QStringList recentItems() const
    {
        auto* menu = find<QMenu>("RecentFiles1");
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QStringList texts;
        for (const QAction* a : menu->actions())
            texts << a->text();
        return texts;
    }
    Byte first() const { return workspace->config().bytes[0]; }
};

TEST_F(OpeningFiles, ADroppedFileOpensAsOpenDoesAndOtherDropsAreRefused)
{
    write("a.cfi", std::string(ConfigImage::Size, '\x11'));
    write("short.cfi", std::string(100, '\x22'));
    ASSERT_EQ(mkdir(path("folder").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo(path("pipe.cfi").c_str(), 0600), 0);

    EXPECT_TRUE(drop({url("a.cfi")}));
    EXPECT_EQ(std::tuple(first(), caption(), workspace->provenance().currentFileName),
              std::tuple(Byte(0x11), QStringLiteral("Configuration from File"), path("a.cfi")));

    // Unsaved: the question of Open, No its default.
    acceptEdited(ConfigImage{});
    drop({url("a.cfi")});
    EXPECT_EQ(std::tuple(first(), dialogs.questions), std::tuple(Byte(0), QStringList{UnsavedReplaceQuestion}));
    dialogs.oks = {false}; // a file of another size: Open's warning, here cancelled
    dialogs.yeses = 1;
    drop({url("short.cfi")});
    EXPECT_TRUE(first() == 0 && dialogs.okCancelAsked.size() == 1 && dialogs.okCancelAsked[0].second.contains("100"));

    for (const QList<QUrl>& refused :
         {QList<QUrl>{url("a.cfi"), url("short.cfi")}, QList<QUrl>{url("folder")}, QList<QUrl>{url("pipe.cfi")}})
        drop(refused);
    // One box each, the refusal's text in it (each text: Recent.ADropNamesOneLocalRegularFileAndRefusesTheRest).
    ASSERT_EQ(dialogs.warnings.size(), 3u);
    EXPECT_EQ(dialogs.warnings[0], Box("Open", "Drop one configuration file at a time: 2 were dropped."));
    EXPECT_EQ(std::tuple(first(), dialogs.questions.size()), std::tuple(Byte(0), 2)); // none asked, none opened
    EXPECT_EQ(RecentFiles(tmp.path().toStdString()).names(), std::vector<std::string>{path("a.cfi")});

    window->enterGeneratorMode(); // the generator's window takes no configuration
    EXPECT_FALSE(drop({url("a.cfi")}));
}

TEST_F(OpeningFiles, RecentFilesListOpenedAndSavedFilesAndOfferMissingOnesForRemoval)
{
    EXPECT_EQ(recentItems(), QStringList{"(none)"});
    write("a.cfi", std::string(ConfigImage::Size, '\x11'));
    const std::string latin1 = "caf\xE9 & co.cfi"; // not UTF-8, with a menu's mnemonic sign
    write(latin1, std::string(ConfigImage::Size, '\x33'));
    window->openConfigurationFile(at("a.cfi")); // as the command line names it
    window->openConfigurationFile(fileNameFromPath(path(latin1)));
    EXPECT_EQ(first(), 0x33);
    dialogs.answers = {at("saved.cfi")};
    trigger("Save1");

    const QString latinName = fileNameFromPath(path(latin1)).replace("&", "&&");
    EXPECT_EQ(recentItems(), QStringList({"&1 " + at("saved.cfi"), "&2 " + latinName, "&3 " + at("a.cfi")}));
    find<QAction>("RecentFile3")->trigger();
    EXPECT_EQ(first(), 0x11);

    ASSERT_EQ(std::remove(path("saved.cfi").c_str()), 0);
    const QString saved = at("saved.cfi");
    ASSERT_EQ(recentItems(), QStringList({"&1 " + at("a.cfi"), "&2 " + saved + " (missing)", "&3 " + latinName}));
    dialogs.oks = {false, true}; // kept, then removed
    find<QAction>("RecentFile2")->trigger();
    EXPECT_EQ(recentItems().size(), 3);
    find<QAction>("RecentFile2")->trigger();
    EXPECT_EQ(recentItems(), QStringList({"&1 " + at("a.cfi"), "&2 " + latinName}));
    EXPECT_EQ(std::tuple(first(), dialogs.okCancelAsked.size()), std::tuple(Byte(0x11), 2u));
    std::remove(path(latin1).c_str()); // QTemporaryDir cannot name it
}

// The working folder's lock: a second manager refused, a crashed one's lock taken over.
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
    EXPECT_EQ(dialogs.warnings, (std::vector<ScriptedDialogs::Box>{{"Errore", alreadyRunningText()}}));
    EXPECT_EQ(std::tuple(entries(), read(lockName)), std::tuple(QStringList{WorkingFolderLockName}, held));

    // The same lock, left behind by a process that is gone.
    running.reset();
    ASSERT_FALSE(QFile::exists(tmp.filePath(WorkingFolderLockName)));
    write(lockName, std::to_string(endedProcess()) + held.substr(held.find('\n')));
    running = lockWorkingFolder(dialogs, tmp.path());
    EXPECT_EQ(std::tuple(bool(running), dialogs.warnings.size(), read(lockName)), std::tuple(true, 1u, held));
}

} // namespace
} // namespace q7582::test
