// The configuration commands: the provenance they leave, the .cfi files they write and
// read, and how they fail.

#include "WindowFixture.h"
#include "WriteFailure.h"
#include "model/Dati.h"
#include "ui/main/ConfigFiles.h"

#include <QDir>
#include <fstream>
#include <iterator>

namespace q7582::test {
namespace {

class ConfigCommands : public WindowTest {
protected:
    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void save(const std::string& name)
    {
        dialogs.fileNames.push_back(QString::fromStdString(path(name)));
        trigger("Save1");
    }
    void open(const std::string& name)
    {
        dialogs.fileNames.push_back(QString::fromStdString(path(name)));
        trigger("Open1");
    }
    QString caption() const { return text("StatusBar1Panel3"); }
    const Provenance& p() const { return window->provenance(); }
};

std::string imageBytes(Byte fill) { return std::string(ConfigImage::Size, char(fill)); }

TEST(ExtensionRule, OnlyANameWithoutExtensionGainsCfi)
{
    EXPECT_EQ(withCfiExtension("abc"), "abc.cfi");
    EXPECT_EQ(withCfiExtension("abc.bin"), "abc.bin");
    EXPECT_EQ(withCfiExtension("abc."), "abc."); // the dot alone is an extension
    EXPECT_EQ(withCfiExtension("/home/x/my.configs/abc"), "/home/x/my.configs/abc.cfi");
    EXPECT_EQ(withCfiExtension("/home/x/my.configs/abc.cfi"), "/home/x/my.configs/abc.cfi");
}

TEST_F(ConfigCommands, ProvenanceFollowsEveryEventOfItsTable)
{
    // start-up
    EXPECT_EQ(p().origin, ConfigOrigin::OriginDefault);
    EXPECT_FALSE(p().modified);
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 0");

    // Load Default n, from a modified image
    window->configEditorAccepted(ConfigImage{});
    trigger("Master3");
    EXPECT_EQ(p().defaultMasterNumber, 3);
    EXPECT_FALSE(p().modified);
    ConfigImage expected;
    buildDefaultConfiguration(expected, 3);
    EXPECT_EQ(window->configImage(), expected);
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 3");

    // Save of a default image under any name leaves it a default one
    save("default3.cfi");
    EXPECT_EQ(p().origin, ConfigOrigin::OriginDefault);
    EXPECT_EQ(p().currentFileName, "");

    // Open
    write("a.cfi", imageBytes(0x11));
    window->configEditorAccepted(window->configImage());
    open("a.cfi");
    EXPECT_EQ(p().origin, ConfigOrigin::OriginFile);
    EXPECT_FALSE(p().modified);
    EXPECT_EQ(p().currentFileName, path("a.cfi"));
    EXPECT_EQ(caption(), "Configuration from File");

    // editor accepted
    ConfigImage edited = window->configImage();
    edited.bytes[5] = 0x55;
    window->configEditorAccepted(edited);
    EXPECT_EQ(window->configImage().bytes[5], 0x55);
    EXPECT_EQ(p().origin, ConfigOrigin::OriginFile);
    EXPECT_EQ(caption(), "Configuration from File - MODIFIED");

    // Save to another name keeps it modified; to the same name clears it
    save("other.cfi");
    EXPECT_TRUE(p().modified);
    EXPECT_EQ(p().currentFileName, path("a.cfi"));
    dialogs.okCancelAnswers.push_back(true); // replace it
    save("a");                               // the same file once ".cfi" is added
    EXPECT_FALSE(p().modified);
    EXPECT_EQ(caption(), "Configuration from File");
    EXPECT_EQ(read("a.cfi")[5], 0x55);

    // Upload completed
    window->configEditorAccepted(window->configImage());
    window->uploadCompleted(ConfigImage{}, 0x82);
    EXPECT_EQ(p().origin, ConfigOrigin::OriginMaster);
    EXPECT_EQ(p().uploadedMasterByte, 0x82);
    EXPECT_FALSE(p().modified);
    EXPECT_EQ(caption(), "Configuration from Master 2");

    // Save of an uploaded image changes nothing
    save("up.cfi");
    EXPECT_EQ(p().origin, ConfigOrigin::OriginMaster);
    EXPECT_FALSE(p().modified);

    // Download completed with another master byte (chime switched): still modified
    window->configEditorAccepted(window->configImage());
    window->downloadCompleted(0x02);
    EXPECT_TRUE(p().modified);
    // ... with the same byte: clean
    window->downloadCompleted(0x82);
    EXPECT_FALSE(p().modified);
    EXPECT_EQ(p().origin, ConfigOrigin::OriginMaster);

    // transfer failed: the link only enables the window again
    window->configEditorAccepted(window->configImage());
    const Provenance before = p();
    window->enableMainWindow();
    EXPECT_EQ(p().origin, before.origin);
    EXPECT_EQ(p().modified, before.modified);
    EXPECT_EQ(p().uploadedMasterByte, before.uploadedMasterByte);
}

TEST_F(ConfigCommands, DialogsCarryTheirTitlesAndFilters)
{
    trigger("Save1");
    trigger("Open1");
    ASSERT_EQ(dialogs.fileAsked.size(), 2u);
    EXPECT_EQ(dialogs.fileAsked[0].title, "Save current configuration to file");
    EXPECT_EQ(dialogs.fileAsked[0].dir, ".");
    EXPECT_EQ(dialogs.fileAsked[0].filter, "Configuration files (*.cfi);;All Files (*.*)");
    EXPECT_EQ(dialogs.fileAsked[1].title, "Load configuration from file");
    EXPECT_EQ(dialogs.fileAsked[1].dir, "");
    EXPECT_EQ(dialogs.fileAsked[1].filter, "Configuration files (*.cfi);;All files (*.*)");
    EXPECT_EQ(p().origin, ConfigOrigin::OriginDefault); // both cancelled
}

TEST_F(ConfigCommands, ShortFileAsksFirstAndReplacesOnlyItsLength)
{
    window->configImage().bytes.fill(0xEE);
    window->configEditorAccepted(window->configImage());
    write("short.cfi", std::string(100, '\x01'));

    open("short.cfi"); // Cancel
    ASSERT_EQ(dialogs.okCancelAsked.size(), 1u);
    EXPECT_TRUE(dialogs.okCancelAsked[0].second.contains("100 bytes"));
    EXPECT_EQ(window->configImage().bytes[0], 0xEE);
    EXPECT_TRUE(p().modified);
    EXPECT_EQ(p().origin, ConfigOrigin::OriginDefault);
    EXPECT_EQ(p().currentFileName, "");

    dialogs.okCancelAnswers.push_back(true);
    open("short.cfi");
    EXPECT_EQ(window->configImage().bytes[0], 0x01);
    EXPECT_EQ(window->configImage().bytes[99], 0x01);
    EXPECT_EQ(window->configImage().bytes[100], 0xEE);
    EXPECT_EQ(window->configImage().bytes[ConfigImage::Size - 1], 0xEE);
    EXPECT_EQ(p().origin, ConfigOrigin::OriginFile);
    EXPECT_FALSE(p().modified);

    write("whole.cfi", imageBytes(0x22));
    open("whole.cfi");
    EXPECT_EQ(dialogs.okCancelAsked.size(), 2u); // a whole image is not questioned
    EXPECT_EQ(window->configImage().bytes[ConfigImage::Size - 1], 0x22);
}

TEST_F(ConfigCommands, FailedSaveOrOpenShowsTheReasonAndChangesNothing)
{
    write("good.cfi", imageBytes(0x44));
    open("good.cfi");
    window->configEditorAccepted(window->configImage());

    // The disk is full: the old file stays whole.
    {
        WriteFailure diskFull;
        save("good.cfi");
    }
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].first, "Errore");
    EXPECT_TRUE(dialogs.warnings[0].second.contains("good.cfi"));
    EXPECT_EQ(read("good.cfi"), imageBytes(0x44));
    EXPECT_TRUE(p().modified);

    // A folder chosen to open: the reason, and the image and state as they were.
    const ConfigImage image = window->configImage();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.cfi"));
    open("folder.cfi");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_EQ(dialogs.warnings[1].first, "Errore");
    EXPECT_TRUE(dialogs.warnings[1].second.contains("directory"));
    EXPECT_EQ(window->configImage(), image);
    EXPECT_EQ(p().currentFileName, path("good.cfi"));
    EXPECT_TRUE(p().modified);

    // A missing file likewise.
    open("missing.cfi");
    EXPECT_TRUE(dialogs.warnings.back().second.contains("No such file"));
    EXPECT_EQ(p().currentFileName, path("good.cfi"));
}

TEST_F(ConfigCommands, SavingUnderAnAddedExtensionAsksBeforeReplacing)
{
    write("b.cfi", imageBytes(0x66));
    save("b"); // Cancel
    ASSERT_EQ(dialogs.okCancelAsked.size(), 1u);
    EXPECT_EQ(read("b.cfi"), imageBytes(0x66));
    dialogs.okCancelAnswers.push_back(true);
    save("b");
    EXPECT_EQ(read("b.cfi"), imageBytes(0));
}

TEST_F(ConfigCommands, TransfersStartOnlyWithAMasterConnected)
{
    trigger("Edit1");
    trigger("Download1");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_EQ(dialogs.warnings[0], std::make_pair(QString("Upload"), QString("No master connected")));
    EXPECT_EQ(dialogs.warnings[1], std::make_pair(QString("Download"), QString("No master connected")));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(shared.requests.UploadRequest);
    EXPECT_FALSE(shared.requests.DownloadRequest);

    connectMaster();
    trigger("Edit1");
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(shared.requests.UploadRequest);
    window->enableMainWindow();
    trigger("Download1");
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(shared.requests.DownloadRequest);
    EXPECT_EQ(dialogs.warnings.size(), 2u);
}

} // namespace
} // namespace q7582::test
