#include "ui/help/HelpWindow.h"

#include "ui/help/HelpPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace q7582 {

namespace {

// The frame's margins of a shown window: the title bar and borders the window manager adds.
QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), owner_(owner)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Q7582 Manager Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QWidget(this);
    buildButtons(bar);
    layout->addWidget(bar);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true); // http(s) goes to the desktop's browser
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QPushButton::clicked, this, [this] { browser_->setSource(contentsUrl_); });

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(InitialWidth, InitialHeight);
}

void HelpWindow::buildButtons(QWidget* bar)
{
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const char* name, const QString& caption, QStyle::StandardPixmap icon) {
        auto* b = new QPushButton(style()->standardIcon(icon), caption, bar);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    back_ = button("HelpBack", tr("&Back"), QStyle::SP_ArrowBack);
    forward_ = button("HelpForward", tr("&Forward"), QStyle::SP_ArrowForward);
    contents_ = button("HelpContents", tr("&Contents"), QStyle::SP_DirHomeIcon);
    row->addStretch();
    back_->setEnabled(false);
    forward_->setEnabled(false);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
}

void HelpWindow::showTopic(const QUrl& topic, const QUrl& contents)
{
    contentsUrl_ = contents;
    browser_->setSource(topic);
}

void HelpWindow::lendTo(QWidget* modal)
{
    if (modal == borrower_ || modal == parentWidget())
        return;
    if (borrower_)
        borrower_->removeEventFilter(this);
    borrower_ = modal;
    modal->installEventFilter(this);
    moveUnder(modal);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A minimised window gets a Hide too, but stays visible.
    if (watched == borrower_ && event->type() == QEvent::Hide && !borrower_->isVisible())
        giveBack();
    return QWidget::eventFilter(watched, event);
}

// The borrower hides (it closed, or is being deleted): back to a modal window still
// running beneath it, or to the owner.
void HelpWindow::giveBack()
{
    QWidget* leaving = borrower_;
    leaving->removeEventFilter(this);
    borrower_ = nullptr;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != leaving && modal != this && modal->isVisible())
        lendTo(modal);
    else
        moveUnder(owner_);
}

// setParent hides a window; it keeps its place and comes back if it was shown.
void HelpWindow::moveUnder(QWidget* parent)
{
    const bool shown = isVisible();
    const QRect place = geometry();
    setParent(parent, windowFlags() | Qt::Window);
    setGeometry(place);
    if (shown)
        show();
}

void HelpWindow::placeBeside(const QWidget* anchor) { place(anchor, &helpPlacement::beside); }

void HelpWindow::placeOver(const QWidget* caller) { place(caller, &helpPlacement::over); }

// The help window's frame is taken to have the margins of the window it is placed by;
// move() places the frame, resize() the inside.
void HelpWindow::place(const QWidget* by, PlacementRule rule)
{
    const QMargins m = frameMargins(by);
    const QRect frame = rule(size().grownBy(m), by->frameGeometry(), by->screen()->availableGeometry());
    resize(frame.size().shrunkBy(m));
    move(frame.topLeft());
    placed_ = true;
}

} // namespace q7582
