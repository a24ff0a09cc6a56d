// Help language menu, help topics and the About box.

#include "WindowFixture.h"
#include "ui/main/About.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>
#include <QToolButton>

namespace q7582::test {
namespace {

using HelpAndSettings = WindowTest;

TEST_F(HelpAndSettings, HelpLanguageMenuMirrorsAndSavesTheSetting)
{
    auto* italiano = find<QAction>("italiano1");
    auto* english = find<QAction>("english1");
    EXPECT_TRUE(italiano->isChecked());
    EXPECT_FALSE(english->isChecked());
    english->trigger();
    EXPECT_FALSE(italiano->isChecked());
    EXPECT_TRUE(english->isChecked());
    QFile ini(dir.filePath("QS7582.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("help = english\r\n"));
    // Picking the language in force leaves one mark.
    english->trigger();
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(italiano->isChecked());
}

TEST_F(HelpAndSettings, HelpOpensTheViewerOnlyWithFileAndViewerElseTheBuiltInTopic)
{
    find<QToolButton>("BbSlave")->click();
    ASSERT_NE(window->helpOpener().browser(), nullptr);
    EXPECT_TRUE(window->helpOpener().browser()->source().toString().endsWith("3006.html"));
    EXPECT_FALSE(window->helpOpener().browser()->toPlainText().isEmpty());
    EXPECT_TRUE(viewerStarts.empty());

    // The file of the language in force is there, and so is the viewer.
    QDir(dir.path()).mkpath("help");
    QFile chm(dir.filePath("help/qs7582_ita.chm"));
    ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    chm.close();
    find<QAction>("Help2")->trigger(); // no viewer yet
    EXPECT_TRUE(window->helpOpener().browser()->source().toString().endsWith("1000.html"));
    viewerInstalled = true;
    find<QToolButton>("BbAddr")->click();
    ASSERT_EQ(viewerStarts.size(), 1u);
    EXPECT_EQ(viewerStarts[0].second, (QStringList{"--contextid=3002", dir.filePath("help/qs7582_ita.chm")}));

    // English help chosen, its file missing: built-in again.
    find<QAction>("english1")->trigger();
    find<QToolButton>("BbMuSel")->click();
    EXPECT_EQ(viewerStarts.size(), 1u);
    EXPECT_TRUE(window->helpOpener().browser()->source().toString().endsWith("3011.html"));
}

TEST_F(HelpAndSettings, EveryContextHasATopic)
{
    std::vector<int> contexts{1000, 4000, 5000};
    for (int c = 2000; c <= 2007; ++c)
        contexts.push_back(c);
    for (int c = 3001; c <= 3011; ++c)
        contexts.push_back(c);
    for (int c : contexts)
        EXPECT_TRUE(HelpOpener::topicUrl(c).endsWith(QStringLiteral("/%1.html").arg(c))) << c;
    EXPECT_TRUE(HelpOpener::topicUrl(4242).endsWith("/1000.html"));
    // The panel buttons carry their contexts.
    const std::map<QString, int> buttons{{"BbIn", 3001},   {"BbAddr", 3002},  {"BbMusic", 3003}, {"BbSpeech", 3004},
                                         {"BbVox", 3005},  {"BbSlave", 3006}, {"BbOut", 3007},   {"BbGroup", 3008},
                                         {"BbAtt", 3009},  {"BbUnit", 3010},  {"BbMuSel", 3011}, {"BbLegal", 5000}};
    for (const auto& [name, context] : buttons)
        EXPECT_EQ(find(name)->property("helpContext").toInt(), context) << name.toStdString();
}

TEST_F(HelpAndSettings, AboutBoxShowsTheCompiledVersionAndTheFirmwareOfTheConnectedDevice)
{
    find<QAction>("Info1")->trigger();
    ASSERT_EQ(dialogs.executed.size(), 1u);
    EXPECT_EQ(dialogs.executed[0], "TAboutBoxMain");
    EXPECT_EQ(dialogs.lastFirmwareLine, "");

    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::FirmwareRelease] = 1;
        s.bytes[StatusBlock::FirmwareRelease + 1] = 5;
    });
    shared.connectionState = Connected;
    find<QAction>("Info1")->trigger();
    EXPECT_EQ(dialogs.lastFirmwareLine, "Q7582 firmware release: 1.5");

    shared.withGenerator([](GeneratorStatus& g) {
        g.bytes[GeneratorStatus::FirmwareRelease] = 2;
        g.bytes[GeneratorStatus::FirmwareRelease + 1] = 10;
    });
    window->enterGeneratorMode();
    find<QAction>("Info1")->trigger();
    EXPECT_EQ(dialogs.lastFirmwareLine, "RKDV7582 firmware release: 2.10");

    // Compiled in: the same from any working directory.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    TAboutBoxMain box;
    QDir::setCurrent(before);
    EXPECT_EQ(box.findChild<QLabel*>("Version")->text(), QStringLiteral("Version: " Q7582_VERSION));
    EXPECT_EQ(box.findChild<QLabel*>("ProductName")->text(), QStringLiteral("Product : " Q7582_DESCRIPTION));
    EXPECT_EQ(box.findChild<QLabel*>("CompanyName")->text(), QStringLiteral("Company Name: " Q7582_COMPANY));
    EXPECT_EQ(box.findChild<QLabel*>("Comments")->text().count('\n'), 2);
}

} // namespace
} // namespace q7582::test
