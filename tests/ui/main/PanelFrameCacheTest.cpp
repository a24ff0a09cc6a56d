#include "ui/main/PanelFrameCache.h"

#include <QGroupBox>
#include <QImage>
#include <gtest/gtest.h>

namespace q7582 {

// A panel drawn from its cached frame looks as the style draws it, in either state,
// after its title changes and after it is resized.
TEST(PanelFrameCache, DrawsThePanelAsTheStyleDoesWhateverChanges)
{
    QWidget host;
    host.resize(600, 400);
    auto* cached = new QGroupBox(QStringLiteral("Units"), &host);
    new PanelFrameCache(cached);
    auto* plain = new QGroupBox(QStringLiteral("Units"), &host);
    const auto same = [&](const char* when) { EXPECT_EQ(cached->grab().toImage(), plain->grab().toImage()) << when; };
    for (QGroupBox* box : {cached, plain})
        box->setGeometry(0, 0, 262, 300);
    same("first paint");
    host.setEnabled(false);
    same("disabled");
    host.setEnabled(true);
    same("enabled again");
    for (QGroupBox* box : {cached, plain}) {
        box->setTitle(QStringLiteral("Music selection"));
        box->resize(300, 120);
    }
    same("new title and size");
}

} // namespace q7582
