#include "ui/main/Panel.h"

#include <QImage>
#include <gtest/gtest.h>

namespace q7582 {

// A panel drawn from its kept frame, in bands, looks as the style draws a group box, in
// either state (its disabled frame drawn on the spot or ahead), after its title changes
// and after it is resized. (Lower than 96 pixels: a taller reference would be filled by
// Qt's thread pool, which ThreadSanitizer cannot follow.)
TEST(Panel, LooksAsTheStyleDrawsAGroupBoxWhateverChanges)
{
    QWidget host;
    host.resize(600, 400);
    auto* panel = new Panel(QStringLiteral("Units"), &host);
    auto* drawnAhead = new Panel(QStringLiteral("Units"), &host);
    auto* plain = new QGroupBox(QStringLiteral("Units"), &host);
    const auto same = [&](const char* when) {
        EXPECT_EQ(panel->grab().toImage(), plain->grab().toImage()) << when;
        EXPECT_EQ(drawnAhead->grab().toImage(), plain->grab().toImage()) << when;
    };
    for (QGroupBox* box : {static_cast<QGroupBox*>(panel), static_cast<QGroupBox*>(drawnAhead), plain})
        box->setGeometry(0, 0, 262, 90);
    same("first paint");
    drawnAhead->prepareDisabledLook();
    host.setEnabled(false);
    same("disabled");
    host.setEnabled(true);
    same("enabled again");
    for (QGroupBox* box : {static_cast<QGroupBox*>(panel), static_cast<QGroupBox*>(drawnAhead), plain}) {
        box->setTitle(QStringLiteral("Music selection"));
        box->resize(300, 80);
    }
    same("new title and size");
}

} // namespace q7582
