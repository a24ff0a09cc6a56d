#pragma once
// HelpWindow, the program's own help window: the topic browser `HelpBrowser` under Back,
// Forward and Contents buttons. Links between topics open inside; web links open in the
// desktop's browser.
//
// A window modal over others blocks every window that is not its own child, so while
// a modal window (the editor, the compiler) runs, the help window is lent to it as a
// child window, and comes back to its owner when that window hides.

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace q7582 {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 560, InitialHeight = 480;

    // owner: the window it belongs to between loans (none: it stands alone).
    explicit HelpWindow(QWidget* owner);

    QTextBrowser* browser() const { return browser_; }
    QWidget* owner() const { return owner_; }

    // Shows the topic; contents is the topic the Contents button opens.
    void showTopic(const QUrl& topic, const QUrl& contents);
    // Makes the window a child window of a running modal window until that hides.
    void lendTo(QWidget* modal);
    // First placement: beside the owner, or over a modal caller; wholly on screen.
    void placeBeside(const QWidget* anchor);
    void placeOver(const QWidget* caller);
    // Whether it has been placed since it was made.
    bool placed() const { return placed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildButtons(QWidget* bar);
    void giveBack();
    void moveUnder(QWidget* parent);
    using PlacementRule = QRect (*)(const QSize& frame, const QRect& by, const QRect& screen);
    void place(const QWidget* by, PlacementRule rule);

    QPointer<QWidget> owner_;
    QPointer<QWidget> borrower_; // the modal window it is lent to
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* contents_ = nullptr;
    QUrl contentsUrl_;
    bool placed_ = false;
};

} // namespace q7582
