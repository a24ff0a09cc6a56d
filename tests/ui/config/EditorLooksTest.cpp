#include "EditorFixture.h"

#include "ui/config/CellLabel.h"
#include "ui/config/SelectorCombo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace q7582 {
namespace {

// The colour most of a widget's inside has, away from its frame: its background.
QColor background(QWidget* w)
{
    const QImage image = w->grab().toImage();
    std::map<QRgb, int> counts;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return QColor(most->first);
}

int colourDistance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// A text wider than its cell is drawn whole and smaller: the cell's edges stay its background
// and the text is still there.
TEST(CellLabelLook, ATextWiderThanItsCellIsShrunkNotCut)
{
    CellLabel cell(QStringLiteral("Master"), nullptr, false);
    cell.setColour(CellColour::Red);
    for (const int width : {36, 80}) {
        cell.setFixedWidth(width);
        const QImage image = cell.grab().toImage();
        const QRect room = cell.contentsRect();
        const auto isText = [&](int x, int y) { return qRed(image.pixel(x, y)) < 128; };
        int textPixels = 0;
        bool atEdge = false;
        for (int y = room.top(); y <= room.bottom(); ++y)
            for (int x = room.left(); x <= room.right(); ++x) {
                textPixels += isText(x, y);
                atEdge = atEdge || ((x == room.left() || x == room.right()) && isText(x, y));
            }
        EXPECT_GT(textPixels, 20) << width;
        EXPECT_FALSE(atEdge) << width;
    }
}

TEST(ElideKeepingNumber, CutsTheNameAndKeepsTheNumberWhole)
{
    const QFontMetrics metrics(QApplication::font());
    const QString event = QStringLiteral("Message event 127");
    const QString unit = QStringLiteral("Reception desk north (16)");
    EXPECT_EQ(elideKeepingNumber(event, metrics, metrics.horizontalAdvance(event)), event);

    for (const QString& text : {event, unit}) {
        const QString number = text.section(u' ', -1);
        for (int width = metrics.horizontalAdvance(text) - 1; width >= metrics.horizontalAdvance(number); --width) {
            const QString shown = elideKeepingNumber(text, metrics, width);
            ASSERT_LE(metrics.horizontalAdvance(shown), width) << shown.toStdString();
            ASSERT_TRUE(shown.endsWith(u' ' + number) || shown == number) << shown.toStdString();
            ASSERT_TRUE(shown.contains(QChar(0x2026)) || shown == number) << shown.toStdString();
        }
    }
    EXPECT_EQ(elideKeepingNumber(unit, metrics, 1), "(16)"); // never cut inside the number
    const QString plain = QStringLiteral("PTT/Lock");
    EXPECT_EQ(elideKeepingNumber(plain, metrics, metrics.horizontalAdvance(plain) - 1),
              metrics.elidedText(plain, Qt::ElideRight, metrics.horizontalAdvance(plain) - 1));
}

class EditorLooks : public EditorFixture {};

TEST_F(EditorLooks, LegendPeriodBoxAndTogglesFollowTheState)
{
    form->prepareShow();

    // RESET has no "unaffected" state: its square goes with its text.
    page(PageOutEvents);
    QWidget* outPage = child("TSout");
    QLabel* unaffected = nullptr;
    for (QLabel* l : outPage->findChildren<QLabel*>())
        if (l->text() == "Unaffected out")
            unaffected = l;
    ASSERT_NE(unaffected, nullptr);
    const QList<CellLabel*> squares = unaffected->parentWidget()->findChildren<CellLabel*>();
    ASSERT_EQ(squares.size(), 1);
    EXPECT_TRUE(squares[0]->isVisibleTo(outPage));
    child<QComboBox>("CBOut")->setCurrentIndex(ConfigImage::OutEvents);
    EXPECT_FALSE(squares[0]->isVisibleTo(outPage));
    EXPECT_FALSE(unaffected->isVisibleTo(outPage));

    // The period box of a one-time timer is disabled and drawn so, not white.
    page(PageTimers);
    CellLabel* period = cell("STint");
    ASSERT_FALSE(work().timer(1).periodSeconds());
    EXPECT_FALSE(period->isEnabled());
    EXPECT_EQ(background(period), period->palette().color(QPalette::Disabled, QPalette::Window));
    child<QPushButton>("SBrepeat")->click();
    EXPECT_TRUE(period->isEnabled());
    EXPECT_EQ(background(period), QColor(Qt::white));

    // A pressed toggle is told from a released one at a glance.
    for (const char* name : {"SpeedButton9", "SBrepeat", "SBsuT"}) {
        auto* toggle = child<QPushButton>(name);
        toggle->setChecked(false);
        const QColor released = background(toggle);
        toggle->setChecked(true);
        EXPECT_GT(colourDistance(background(toggle), released), 120) << name;
    }
}

} // namespace
} // namespace q7582
