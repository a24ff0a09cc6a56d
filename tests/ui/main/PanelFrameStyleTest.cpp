// The panels' frames: the same pixels as the style draws on a plain group box.

#include "ui/main/PanelFrameStyle.h"
#include "ui/main/Widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <gtest/gtest.h>

namespace q7582::test {
namespace {

// On black: a group box fills no background of its own.
QImage rendered(QWidget* box)
{
    QImage image(box->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    box->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A panel as the window makes it, beside a plain group box of the same title and place.
struct PanelPair {
    QWidget host;
    QGroupBox* panel;
    QGroupBox* plain;

    explicit PanelPair(const QString& title)
    {
        host.setFont(QFont(QStringLiteral("Tahoma"), 8));
        panel = makePanel(&host, title, "PanelTest", QRect(4, 2, 300, 200), "BbTest", 0);
        plain = new QGroupBox(title, &host);
        plain->setGeometry(panel->geometry());
        panel->findChild<QWidget*>(QStringLiteral("BbTest"))->hide(); // no part of the frame
    }
    void expectAlike(const char* what)
    {
        EXPECT_EQ(rendered(panel), rendered(plain)) << what;
        // A partial repaint copies only its part of the frame.
        const QRegion corner(0, 0, 40, 30);
        QImage part = rendered(plain), expected = part;
        plain->render(&expected, QPoint(), corner, QWidget::DrawChildren);
        panel->render(&part, QPoint(), corner, QWidget::DrawChildren);
        EXPECT_EQ(part, expected) << what;
    }
};

TEST(PanelFrameStyleTest, PanelsLookAsTheStyleDrawsThemTitledOrNotEnabledOrNotWholeOrInPart)
{
    ASSERT_EQ(PanelFrameStyle::instance(), PanelFrameStyle::instance());
    for (const QString& title : {QStringLiteral("Speech"), QString()}) {
        PanelPair pair(title);
        EXPECT_EQ(pair.panel->style(), PanelFrameStyle::instance());
        pair.expectAlike("first paint");
        pair.expectAlike("border picture loaded before");
        pair.host.setEnabled(false);
        pair.expectAlike("disabled");
        pair.host.setEnabled(true);
        pair.panel->resize(200, 120);
        pair.plain->resize(200, 120);
        pair.expectAlike("resized");
    }
}

} // namespace
} // namespace q7582::test
