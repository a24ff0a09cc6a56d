// The panel widgets on their own: what each reports and shows, without the window.

#include "link/LinkShared.h"
#include "ui/main/GeneratorPage.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/StatusBarPanel.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace q7582::test {
namespace {

template <typename T>
T* child(const QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

TEST(PanelWidgetsTest, LevelPanelsReportEachSliderByItsLiveParameter)
{
    QWidget area;
    LevelsPanel speech(LevelsPanel::Speech, &area);
    LevelsPanel music(LevelsPanel::Music, &area);
    VoxPanel vox(&area);
    EXPECT_EQ(speech.sliders().size(), 6u);
    EXPECT_EQ(music.sliders().size(), 6u);
    EXPECT_EQ(vox.sliders().size(), 2u);

    std::vector<int> moved;
    QObject::connect(&music, &LevelSliderPanel::levelMoved, [&](int slider) { moved.push_back(slider); });
    child<QSlider>(music, "LevelSliders9")->setValue(3);
    child<QSlider>(music, "LevelSliders1")->setValue(7);
    EXPECT_EQ(moved, (std::vector<int>{9, 1}));

    // Only the first four music sources can be renamed.
    std::vector<int> renamed;
    QObject::connect(&music, &LevelsPanel::sourceNameDoubleClicked, [&](int n) { renamed.push_back(n); });
    QMetaObject::invokeMethod(child<QObject>(music, "LabelMusic4"), "doubleClicked");
    QMetaObject::invokeMethod(child<QObject>(music, "LabelMusic5"), "doubleClicked");
    EXPECT_EQ(renamed, std::vector<int>{4});
}

TEST(PanelWidgetsTest, LevelTagFollowsTheMovedSliderAndHidesAfterItsTime)
{
    QWidget area;
    VoxPanel vox(&area);
    LevelTag tag(&area);
    area.show();
    QSlider* threshold = child<QSlider>(vox, "LevelSliders12");
    threshold->setValue(4);
    tag.showFor(12, threshold);
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

    bar->showCaption(QStringLiteral("Configuration A"));
    EXPECT_EQ(caption->text(), "Configuration A");
    bar->showNotice(QStringLiteral("Transfer cancelled"), true, QStringLiteral("why"));
    bar->showCaption(QStringLiteral("Configuration B")); // a refresh meanwhile keeps the notice
    EXPECT_EQ(caption->text(), "Transfer cancelled");
    EXPECT_EQ(caption->toolTip(), "why");
    bar->clearNotice();
    bar->showCaption(QStringLiteral("Configuration B"));
    EXPECT_EQ(caption->text(), "Configuration B");
    EXPECT_TRUE(caption->toolTip().isEmpty());
    EXPECT_EQ(noticeChanges, 2);

    // The Cancel button and Esc come and go together, and both ask for the cancel.
    auto* cancel = child<QToolButton>(*bar, "CancelTransfer");
    auto* esc = child<QAction>(window, "CancelTransferKey");
    EXPECT_TRUE(cancel->isHidden());
    EXPECT_FALSE(esc->isEnabled());
    int cancels = 0;
    QObject::connect(bar, &StatusBarPanel::cancelClicked, [&] { ++cancels; });
    bar->offerCancel(true);
    EXPECT_FALSE(cancel->isHidden());
    EXPECT_TRUE(esc->isEnabled());
    cancel->click();
    esc->trigger();
    EXPECT_EQ(cancels, 2);
    bar->offerCancel(false);
    EXPECT_TRUE(cancel->isHidden());
    EXPECT_FALSE(esc->isEnabled());
}

TEST(PanelWidgetsTest, GeneratorPageReportsAPlayClickOnlyWithAMessageSelected)
{
    GeneratorPage page(QSize(500, 350), nullptr);
    std::vector<std::pair<LiveParam, bool>> plays;
    QObject::connect(&page, &GeneratorPage::playClicked,
                     [&](LiveParam entry, bool down) { plays.emplace_back(entry, down); });
    GeneratorPanelView view = page.view();
    view.headphone.enabled = view.channels.enabled = true;
    page.showView(view);
    auto* headphone = child<QPushButton>(page, "SPstartHP");
    headphone->click(); // the list is empty: the click is undone
    EXPECT_FALSE(headphone->isChecked());
    EXPECT_TRUE(plays.empty());

    view.messages = {QStringLiteral("001"), QStringLiteral("002")};
    view.selected = 1;
    view.listRebuilt = true;
    page.showView(view);
    child<QPushButton>(page, "SPstartCh")->click();
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0], std::make_pair(LiveGeneratorChannels, true));
    EXPECT_EQ(page.view().channels.caption, channelsCaption(true));
    EXPECT_EQ(page.view().selected, 1);
}

} // namespace
} // namespace q7582::test
