#include "ui/help/HelpWindow.h"
#include "ScriptedDialogs.h"
#include "ui/help/HelpOpener.h"
#include "ui/msgfolder/MessageFolderWindow.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace q7582;

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = std::make_unique<QWidget>();
        owner->setGeometry(10, 10, 200, 150);
        owner->show();
        HelpOpener::Platform noViewer{[] { return QString(); },
                                      [](const QString&, const QStringList&) { return false; },
                                      [](const QString&) { return false; }};
        opener = std::make_unique<HelpOpener>(
            [this] {
                return HelpOpener::Language{QString(), italian};
            },
            noViewer, owner.get());
    }
    void TearDown() override
    {
        opener.reset();
        owner.reset();
    }

    std::string topic() const { return opener->browser()->source().toString().toStdString(); }
    QPushButton* button(const char* name) const { return opener->window()->findChild<QPushButton*>(name); }
    // A user's click, through the window system: Qt drops it when a modal window blocks
    // the help window.
    void click(const char* name) const
    {
        HelpWindow* help = opener->window();
        QPushButton* b = button(name);
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, b->mapTo(help, b->rect().center()));
    }
    bool onScreen(const QWidget* w) const { return w->screen()->availableGeometry().contains(w->frameGeometry()); }

    bool italian = true;
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<HelpOpener> opener;
};

} // namespace

TEST_F(HelpWindowTest, LinksBackForwardAndContentsInTheLanguageInForce)
{
    opener->open(HelpContext::ZonePanel);
    EXPECT_EQ(topic(), "qrc:/help/it/3006.html");
    EXPECT_FALSE(button("HelpBack")->isEnabled());
    EXPECT_FALSE(button("HelpForward")->isEnabled());

    // Tab picks the first link ("the main window"), Enter follows it.
    QTest::keyClick(opener->browser(), Qt::Key_Tab);
    QTest::keyClick(opener->browser(), Qt::Key_Return);
    EXPECT_EQ(topic(), "qrc:/help/it/3000.html");
    ASSERT_TRUE(button("HelpBack")->isEnabled());
    click("HelpBack");
    EXPECT_EQ(topic(), "qrc:/help/it/3006.html");
    ASSERT_TRUE(button("HelpForward")->isEnabled());
    click("HelpForward");
    EXPECT_EQ(topic(), "qrc:/help/it/3000.html");
    EXPECT_FALSE(button("HelpForward")->isEnabled());

    // English chosen: the next topic and its contents are English.
    italian = false;
    opener->open(HelpContext::MasterPanel);
    EXPECT_EQ(topic(), "qrc:/help/en/3002.html");
    click("HelpContents");
    EXPECT_EQ(topic(), "qrc:/help/en/1000.html");
    EXPECT_FALSE(opener->browser()->toPlainText().isEmpty());
}

TEST_F(HelpWindowTest, OpensBesideItsOwnerFirstThenWhereTheUserLeftIt)
{
    opener->open(HelpContext::Contents);
    HelpWindow* help = opener->window();
    EXPECT_GT(help->frameGeometry().left(), owner->frameGeometry().right());
    EXPECT_EQ(help->frameGeometry().top(), owner->frameGeometry().top());
    EXPECT_TRUE(onScreen(help));

    help->move(300, 40);
    help->close();
    opener->open(HelpContext::ZonePanel);
    EXPECT_EQ(help->pos(), QPoint(300, 40));
}

TEST_F(HelpWindowTest, UsableWhileAModalWindowRunsAndBackWithItsOwnerAfter)
{
    for (const Qt::WindowModality modality : {Qt::WindowModal, Qt::ApplicationModal}) {
        SCOPED_TRACE(modality);
        QDialog dialog(owner.get());
        dialog.setWindowModality(modality);
        dialog.setGeometry(60, 60, 400, 300);
        QPointer<HelpWindow> help;
        QTimer::singleShot(0, &dialog, [&] {
            opener->open(HelpContext::MessageFolderCompiler);
            help = opener->window();
            EXPECT_EQ(help->parentWidget(), &dialog);
            EXPECT_TRUE(help->isWindow() && help->isVisible());
            EXPECT_TRUE(onScreen(help));
            EXPECT_TRUE(help->frameGeometry().intersects(dialog.frameGeometry())); // over its caller
            click("HelpContents");
            EXPECT_EQ(topic(), "qrc:/help/it/1000.html");
            click("HelpBack");
            EXPECT_EQ(topic(), "qrc:/help/it/4000.html");
            dialog.accept();
        });
        dialog.exec();

        // Closing the modal window hands the help window back, still shown, where it was.
        ASSERT_TRUE(help);
        EXPECT_EQ(help->parentWidget(), owner.get());
        EXPECT_TRUE(help->isVisible());
        click("HelpContents");
        EXPECT_EQ(topic(), "qrc:/help/it/1000.html");
    }
}

TEST_F(HelpWindowTest, NeverDeletedWithAModalWindowAndDeletedWithItsOpener)
{
    auto* dialog = new QDialog(owner.get());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    opener->open(HelpContext::ConfigEditor);
    QPointer<HelpWindow> help = opener->window();
    ASSERT_EQ(help->parentWidget(), dialog);
    delete dialog; // while the help window is its child
    ASSERT_TRUE(help);
    EXPECT_EQ(help->parentWidget(), owner.get());
    EXPECT_TRUE(help->isVisible());

    // A modal window over another: closing the upper one hands it to the one beneath.
    QDialog other(owner.get());
    other.setWindowModality(Qt::ApplicationModal);
    other.show();
    QDialog upper(&other);
    upper.setWindowModality(Qt::ApplicationModal);
    upper.show();
    opener->open(HelpContext::ConfigEditor);
    ASSERT_EQ(help->parentWidget(), &upper);
    upper.hide();
    EXPECT_EQ(help->parentWidget(), &other);
    EXPECT_TRUE(help->isVisible());

    // The opener takes its window along, even one lent to a modal window.
    opener.reset();
    EXPECT_FALSE(help);
    other.hide();
}

TEST_F(HelpWindowTest, F1InTheMessageFolderCompilerOpensItsTopic)
{
    test::ScriptedDialogs dialogs;
    MessageFolderWindow compiler(dialogs);
    std::vector<int> asked;
    compiler.setHelpHook([&](int context) { asked.push_back(context); });
    compiler.show();
    compiler.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&compiler));
    QTest::keyClick(&compiler, Qt::Key_F1);
    EXPECT_EQ(asked, std::vector<int>{HelpContext::MessageFolderCompiler});
}
