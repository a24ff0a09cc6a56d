// The configuration commands: the provenance they leave, the .cfi files they write and
// read, the questions before replacing an unsaved image, Compare, and how they fail.

#include "ui/main/ConfigCommands.h"
#include "ByteNamedFolder.h"
#include "WindowFixture.h"
#include "WriteFailure.h"
#include "history/ConfigFiles.h"
#include "model/DefaultConfiguration.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/reports/ReportViewer.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTextEdit>

#include <functional>
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
    // Load Default and Open replace the image, Upload asks the link for one.
    for (auto [command, uploads] : {std::pair{"Master1", false}, {"Open1", false}, {"Edit1", true}}) {
        acceptEdited(ConfigImage{});
        dialogs.answers = {QString::fromStdString(path("a.cfi"))};
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

} // namespace
} // namespace q7582::test
