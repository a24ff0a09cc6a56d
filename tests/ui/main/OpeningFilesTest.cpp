// .cfi files reached without the Open dialog: dropped on the window, chosen among the
// site's recent files, named on the command line. Each opens as "Open" does; what cannot
// be opened is told and changes nothing.

#include "WindowFixture.h"
#include "history/RecentFiles.h"
#include "model/FilePath.h"
#include "ui/common/ReplaceQuestion.h"

#include <QMenu>
#include <QMimeData>

#include <sys/stat.h>

namespace q7582::test {
namespace {

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
    QUrl url(const std::string& name) const { return QUrl::fromLocalFile(QString::fromStdString(path(name))); }
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
    ASSERT_EQ(dialogs.warnings.size(), 3u);
    EXPECT_EQ(dialogs.warnings[0], Box("Open", "Drop one configuration file at a time: 2 were dropped."));
    EXPECT_TRUE(dialogs.warnings[1].second.contains("is a folder") && dialogs.warnings[2].second.contains("pipe"));
    EXPECT_EQ(std::tuple(first(), dialogs.questions.size()), std::tuple(Byte(0), 2)); // none asked, none opened
    EXPECT_EQ(RecentFiles(dir.path().toStdString()).names(), std::vector<std::string>{path("a.cfi")});

    window->enterGeneratorMode(); // the generator's window takes no configuration
    EXPECT_FALSE(drop({url("a.cfi")}));
}

TEST_F(OpeningFiles, RecentFilesListOpenedAndSavedFilesAndOfferMissingOnesForRemoval)
{
    EXPECT_EQ(recentItems(), QStringList{"(none)"});
    write("a.cfi", std::string(ConfigImage::Size, '\x11'));
    const std::string latin1 = "caf\xE9 & co.cfi"; // not UTF-8, with a menu's mnemonic sign
    write(latin1, std::string(ConfigImage::Size, '\x33'));
    window->openConfigurationFile(QString::fromStdString(path("a.cfi"))); // as the command line names it
    window->openConfigurationFile(fileNameFromPath(path(latin1)));
    EXPECT_EQ(first(), 0x33);
    dialogs.answers = {QString::fromStdString(path("saved.cfi"))};
    trigger("Save1");

    const QString latinName = fileNameFromPath(path(latin1)).replace("&", "&&");
    EXPECT_EQ(recentItems(), QStringList({"&1 " + QString::fromStdString(path("saved.cfi")), "&2 " + latinName,
                                          "&3 " + QString::fromStdString(path("a.cfi"))}));
    find<QAction>("RecentFile3")->trigger();
    EXPECT_EQ(first(), 0x11);

    ASSERT_EQ(std::remove(path("saved.cfi").c_str()), 0);
    const QString saved = QString::fromStdString(path("saved.cfi"));
    ASSERT_EQ(recentItems(), QStringList({"&1 " + QString::fromStdString(path("a.cfi")), "&2 " + saved + " (missing)",
                                          "&3 " + latinName}));
    dialogs.oks = {false, true}; // kept, then removed
    find<QAction>("RecentFile2")->trigger();
    EXPECT_EQ(recentItems().size(), 3);
    find<QAction>("RecentFile2")->trigger();
    EXPECT_EQ(recentItems(), QStringList({"&1 " + QString::fromStdString(path("a.cfi")), "&2 " + latinName}));
    EXPECT_EQ(std::tuple(first(), dialogs.okCancelAsked.size()), std::tuple(Byte(0x11), 2u));
    std::remove(path(latin1).c_str()); // QTemporaryDir cannot name it
}

} // namespace
} // namespace q7582::test
