// The panel widgets on their own: what each reports and shows, without the window.

#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"

#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace q7582::test {
namespace {

template <typename T> T* child(const QObject& parent, const QString& name)
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

} // namespace
} // namespace q7582::test
