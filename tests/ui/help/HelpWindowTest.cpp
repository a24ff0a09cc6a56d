#include "ui/help/HelpWindow.h"
#include "ui/help/HelpOpener.h"
#include "ui/help/HelpPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

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
    std::unique_ptr<HelpOpener> opener; // gone before its owner
};

} // namespace

TEST(HelpPlacement, BesideOrOverItsCallerAndAlwaysWhollyOnScreen)
{
    using namespace helpPlacement;
    const QRect screen(0, 0, 1920, 1040);    // 1920 x 1080 less a panel
    const QRect second(1920, 0, 1280, 1000); // a second screen to the right: its own edges count, not zero
    const QSize help(560, 510);
    const std::tuple<QRect, QRect, QPoint> besides[] = {
        {QRect(100, 50, 850, 680), screen, {958, 50}},     // room on the right: beside it, top edges level
        {QRect(1000, 50, 850, 680), screen, {432, 50}},    // else on the left
        {QRect(200, 600, 1600, 700), screen, {1240, 530}}, // else over its right part
        {QRect(2600, 100, 500, 400), second, {2600 - Gap - 560, 100}}};
    for (const auto& [anchor, on, at] : besides)
        EXPECT_EQ(beside(help, anchor, on), QRect(at, help)) << anchor.x();
    // Over a modal caller, inside its top right corner with its title bar in sight; back on
    // screen at the screen's corner.
    EXPECT_EQ(over(help, QRect(300, 200, 850, 450), screen), QRect(QPoint(1149 - 32 - 559, 232), help));
    EXPECT_EQ(over(help, QRect(1700, 900, 600, 400), screen), QRect(QPoint(1360, 530), help));
    // A window larger than the screen is cut to it; one above or left of it comes back.
    EXPECT_EQ(onScreen(QRect(-50, -20, 2400, 1200), screen), screen);
    EXPECT_EQ(onScreen(QRect(-50, -20, 100, 100), screen), QRect(0, 0, 100, 100));
}

// Beside its owner first; links, Back, Forward and the contents in the language in force;
// where the user left it after.
TEST_F(HelpWindowTest, OpensBesideItsOwnerFollowsLinksInTheLanguageInForceAndStaysWhereLeft)
{
    opener->open(HelpContext::ZonePanel);
    HelpWindow* help = opener->window();
    EXPECT_GT(help->frameGeometry().left(), owner->frameGeometry().right());
    EXPECT_EQ(help->frameGeometry().top(), owner->frameGeometry().top());
    EXPECT_TRUE(onScreen(help));
    EXPECT_EQ(topic(), "qrc:/help/it/3006.html");
    EXPECT_FALSE(button("HelpBack")->isEnabled() || button("HelpForward")->isEnabled());

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

    // Moved and closed, it opens where the user left it; English chosen, in English.
    help->move(300, 40);
    help->close();
    italian = false;
    opener->open(HelpContext::MasterPanel);
    EXPECT_EQ(help->pos(), QPoint(300, 40));
    EXPECT_EQ(topic(), "qrc:/help/en/3002.html");
    click("HelpContents");
    EXPECT_EQ(topic(), "qrc:/help/en/1000.html");
    EXPECT_FALSE(opener->browser()->toPlainText().isEmpty());
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
    QDialog upper(&other);
    for (QDialog* d : {&other, &upper}) {
        d->setWindowModality(Qt::ApplicationModal);
        d->show();
    }
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
