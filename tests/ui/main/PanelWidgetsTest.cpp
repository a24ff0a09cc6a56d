// The panel widgets on their own: what each reports and shows, without the window.

#include "link/LinkShared.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/StatusBarPanel.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace q7582::test {
namespace {

template <typename T>
T* child(const QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

TEST(PanelWidgetsTest, LevelTagFollowsTheMovedSliderAndHidesAfterItsTime)
{
    QWidget area;
    VoxPanel vox(&area);
    LevelTag tag(&area);
    area.show();
    QSlider* threshold = child<QSlider>(vox, "LevelSliders12");
    threshold->setValue(4);
    tag.showFor(voxThreshold(0), threshold);
    EXPECT_EQ(tag.parentWidget(), &vox); // on the slider's panel, above its handle
    EXPECT_EQ(tag.pos(), QPoint(120 + 3 * 4 + 2, 40 - 16));
    EXPECT_TRUE(tag.isVisible());
    QTimer* timer = child<QTimer>(tag, "TBox");
    ASSERT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(tag.isVisible());
}

TEST(PanelWidgetsTest, StatusBarNoticeStandsInForTheCaptionUntilCleared)
{
    LinkShared shared;
    QMainWindow window;
    auto* bar = new StatusBarPanel(shared, &window);
    window.setStatusBar(bar);
    int noticeChanges = 0;
    QObject::connect(bar, &StatusBarPanel::noticeChanged, [&] { ++noticeChanges; });
    auto* caption = child<QLabel>(*bar, "StatusBar1Panel3");

    bar->showCaption(QStringLiteral("Configuration A"), QStringLiteral("a.cfi"));
    EXPECT_EQ(caption->text(), "Configuration A");
    bar->showNotice(QStringLiteral("Transfer cancelled"), true, QStringLiteral("why"));
    // a refresh meanwhile keeps the notice
    bar->showCaption(QStringLiteral("Configuration B"), QStringLiteral("b.cfi"));
    EXPECT_EQ(caption->text(), "Transfer cancelled");
    EXPECT_EQ(caption->toolTip(), "why");
    bar->clearNotice();
    bar->showCaption(QStringLiteral("Configuration B"), QStringLiteral("b.cfi"));
    EXPECT_EQ(caption->text(), "Configuration B");
    EXPECT_EQ(caption->toolTip(), "b.cfi");
    EXPECT_EQ(noticeChanges, 2);

    // The Cancel button and Esc come and go together (the window's tests click them).
    auto* cancel = child<QToolButton>(*bar, "CancelTransfer");
    auto* esc = child<QAction>(window, "CancelTransferKey");
    for (bool offered : {true, false}) {
        bar->offerCancel(offered);
        EXPECT_EQ(cancel->isHidden(), !offered);
        EXPECT_EQ(esc->isEnabled(), offered);
    }
}

} // namespace
} // namespace q7582::test
