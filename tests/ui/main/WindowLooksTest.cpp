// What the user sees: titles exactly as the windows name themselves, boxes wide enough
// for their titles, level sliders filled up to the level, sharp icons on a magnified
// screen, windows that fit the screen.

#include "WindowFixture.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/WindowHelp.h"
#include "ui/main/Icons.h"
#include "ui/main/LevelSlider.h"

#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTimer>

namespace q7582::test {
namespace {

TEST(BoxWidth, ATitleIsReadWholeBesideTheTitleBarsButtonsButNeverWiderThanTheScreen)
{
    EXPECT_EQ(messageBoxWidthForTitle(0, 13, 1920), 0);
    EXPECT_EQ(messageBoxWidthForTitle(300, 13, 1920), 300 + 8 * 13);
    EXPECT_EQ(messageBoxWidthForTitle(300, 26, 1920), 300 + 8 * 26); // a larger font, larger buttons
    EXPECT_EQ(messageBoxWidthForTitle(2000, 13, 960), 960);

    // The editor's close question, as shown.
    const QString caption = "Configuration is modified, save changes ?";
    const auto box = QtDialogProvider::makeBox(QMessageBox::Question, caption, "Yes = save & quit\nNo = quit",
                                               QMessageBox::Yes | QMessageBox::No, nullptr);
    box->show(); // a box sizes itself when shown
    QCoreApplication::processEvents();
    const QFontMetrics metrics(box->font());
    EXPECT_EQ(box->windowTitle(), caption);
    EXPECT_GE(box->width(), messageBoxWidthForTitle(metrics.horizontalAdvance(caption), metrics.height(), 1920));

    const auto untitled =
        QtDialogProvider::makeBox(QMessageBox::Warning, QString(), "Invalid 'Stop time'", QMessageBox::Ok, nullptr);
    EXPECT_EQ(untitled->windowTitle(), " "); // not the program's name, which X11 would show
}

// Enter takes the default button: OK only where OK just goes on.
TEST(BoxWidth, EnterInAnOkCancelBoxPressesTheButtonItWasGiven)
{
    for (auto [enter, answer] : {std::pair{EnterMeans::Ok, true}, {EnterMeans::Cancel, false}}) {
        QTimer::singleShot(0, [] {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(QApplication::activeModalWidget(), &key);
        });
        EXPECT_EQ(QtDialogProvider().okCancel(nullptr, "Error loading message folder.", "Save?", enter), answer);
    }
}

class WindowTitles : public WindowTest {};

// The Cancel button does not heighten the status bar, which would make the window
// scroll; a long caption widens its panel to be read whole.
TEST_F(WindowTitles, TheStatusBarKeepsItsHeightAndShowsTheWholeCaption)
{
    connectMaster();
    window->show();
    trigger("Edit1"); // an Upload: the Cancel button shows
    QCoreApplication::sendPostedEvents();
    const auto* area = window->findChild<QScrollArea*>();
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible());
    window->enableMainWindow();
    trigger("Master3");
    acceptEdited(workspace->config());
    window->transferEnded({TransferKind::Download, TransferEnd::Failed, TransferFault::LinkLost, 91, 0});
    QCoreApplication::sendPostedEvents();
    const auto* caption = find<QLabel>("StatusBar1Panel3");
    EXPECT_EQ(caption->text(), "DEFAULT Configuration of Master 3 - MODIFIED - PARTIAL DOWNLOAD");
    EXPECT_GE(caption->contentsRect().width(), caption->fontMetrics().horizontalAdvance(caption->text()));
    EXPECT_LE(caption->geometry().right(), window->statusBar()->width());
}

struct ProbedSlider : LevelSlider {
    using LevelSlider::LevelSlider;
    QStyleOptionSlider plainOption() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return option;
    }
};

TEST(LevelSliderLook, TheFilledPartGrowsWithTheLevelWhileTheHandleStaysAtItsPosition)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    ProbedSlider slider(Qt::Vertical, nullptr);
    slider.setStyle(fusion.get());
    slider.setRange(0, 20);
    slider.setInvertedAppearance(true); // position 0, level 20, at the top
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.resize(30, 144);
    int lastFill = -1;
    for (int position : {20, 15, 10, 5, 0}) { // level 0 up to 20
        slider.setValue(position);
        const QStyleOptionSlider option = slider.paintOption();
        const QStyleOptionSlider plain = slider.plainOption(); // what keys and mouse work on
        const QRect groove = fusion->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, &slider);
        const QRect handle = fusion->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
        EXPECT_TRUE(option.upsideDown); // the style fills from the handle down
        EXPECT_EQ(handle, fusion->subControlRect(QStyle::CC_Slider, &plain, QStyle::SC_SliderHandle, &slider))
            << position;
        const int fill = groove.bottom() - handle.bottom();
        EXPECT_GT(fill, lastFill) << position;
        lastFill = fill;
    }
    EXPECT_GT(lastFill, 100); // the top level: nearly the whole groove

    QStyleOptionSlider horizontal;
    horizontal.orientation = Qt::Horizontal;
    horizontal.sliderPosition = 3;
    EXPECT_EQ(filledFromBottom(horizontal).sliderPosition, 3); // drawn as it is
}

TEST(ScreenFit, AWindowKeepsItsSizeWhereItFitsAndScrollsWhereItDoesNot)
{
    // wanted, room, the window's size and whether it scrolls, with a 16-pixel scroll bar
    const std::tuple<QSize, QSize, QSize, bool> cases[] = {
        {{850, 655}, {1912, 1040}, {850, 655}, false},    // 100 %: the main window as designed
        {{850, 655}, {952, 500}, {850 + 16, 500}, true},  // 200 % of 1920 x 1080: too high, the bar takes width
        {{1000, 400}, {952, 500}, {952, 400 + 16}, true}, // too wide only: the bar below still fits
        {{1000, 490}, {952, 500}, {952, 500}, true},      // too wide, and the bar below makes it too high
        {{952, 500}, {952, 500}, {952, 500}, false}};     // exactly the room
    for (auto [wanted, room, size, scrolls] : cases) {
        const WindowFit fit = fitWindow(wanted, room, 16);
        EXPECT_EQ(std::tuple(fit.size, fit.scrolls), std::tuple(size, scrolls))
            << wanted.width() << " " << room.width();
    }

    // A fixed window larger than the screen scrolls its content.
    QWidget window;
    auto* far = new QWidget(&window);
    far->setGeometry(2900, 1900, 50, 50);
    fitFixedWindow(window, {3000, 2000});
    EXPECT_EQ(window.size(), roomOnScreen(window));
    auto* scroll = window.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(far->parentWidget(), scroll->widget());
    EXPECT_EQ(far->geometry(), QRect(2900, 1900, 50, 50));

    QWidget small;
    fitFixedWindow(small, {298, 220});
    EXPECT_EQ(small.size(), QSize(298, 220));
    EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);
}

TEST(ScreenFit, IconsAreDrawnAtTheScreensPixelRatio)
{
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        for (const QPixmap* picture :
             {&icons::connection(icons::ConnConnected, ratio), &icons::unit(icons::UnitIoCard, ratio),
              &helpGlyph(HelpButtonLook::TitleCorner, ratio)}) {
            EXPECT_EQ(picture->devicePixelRatio(), ratio);
            EXPECT_EQ(picture->width(), qRound(picture->deviceIndependentSize().width() * ratio));
        }
    }
    EXPECT_EQ(icons::connection(icons::ConnConnected, 2.0).size(), QSize(40, 40));
    EXPECT_EQ(icons::connection(icons::ConnConnected, 1.0).size(), QSize(20, 20));
    // drawn, not scaled: the sharp picture has edges a scaled one has not
    const QImage sharp = helpGlyph(HelpButtonLook::TitleCorner, 2.0).toImage();
    const QImage scaled = helpGlyph(HelpButtonLook::TitleCorner, 1.0).toImage().scaled(32, 32);
    EXPECT_NE(sharp.convertToFormat(QImage::Format_ARGB32), scaled.convertToFormat(QImage::Format_ARGB32));
}

} // namespace
} // namespace q7582::test
