#include "ui/common/WindowHelp.h"

#include "ui/common/ScreenFit.h"

#include <QAction>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <map>
#include <utility>

namespace q7582 {
namespace {

const char* const ContextProperty = "helpContext";

// A blue disc with a white "?": outlined in the title corner, where the flat button
// lends it no frame.
QPixmap drawHelpGlyph(HelpButtonLook look, qreal ratio)
{
    const bool corner = look == HelpButtonLook::TitleCorner;
    QPixmap pm = transparentCanvas(QSize(16, 16), ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(corner ? QPen(QColor(0x10, 0x30, 0x90), 1) : QPen(Qt::NoPen));
    p.setBrush(corner ? QColor(0x30, 0x60, 0xD0) : QColor(0x20, 0x60, 0xC0));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont f;
    if (corner) {
        f.setFamily(QStringLiteral("Tahoma"));
        f.setStyleHint(QFont::SansSerif);
    }
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    return pm;
}

} // namespace

const QPixmap& helpGlyph(HelpButtonLook look, qreal ratio)
{
    static std::map<std::pair<HelpButtonLook, qreal>, QPixmap> drawn;
    const auto key = std::make_pair(look, ratio);
    auto found = drawn.find(key);
    if (found == drawn.end())
        found = drawn.emplace(key, drawHelpGlyph(look, ratio)).first;
    return found->second;
}

QAbstractButton* makeHelpButton(QWidget* parent, const char* name, int context, HelpButtonLook look, QPoint at)
{
    QAbstractButton* b = nullptr;
    if (look == HelpButtonLook::TitleCorner) {
        auto* flat = new QToolButton(parent);
        flat->setAutoRaise(true);
        flat->setGeometry(QRect(at, QSize(20, 18)));
        b = flat;
    } else {
        b = new QPushButton(parent);
        b->setGeometry(QRect(at, QSize(25, 25)));
        b->setFixedSize(25, 25);
    }
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon(helpGlyph(look, b->devicePixelRatioF())));
    b->setToolTip(WindowHelp::tr("Help"));
    b->setProperty(ContextProperty, context);
    return b;
}

WindowHelp::WindowHelp(QWidget& window, const char* keyName, std::function<int()> keyTopic, Opener open)
    : QObject(&window), window_(window), open_(std::move(open)), key_(new QAction(tr("&Help"), &window))
{
    key_->setObjectName(QString::fromLatin1(keyName));
    key_->setShortcut(QKeySequence::HelpContents);
    window.addAction(key_); // F1 works with every menu closed, and in windows without one
    connect(key_, &QAction::triggered, this, [this, topic = std::move(keyTopic)] { this->open(topic()); });
}

void WindowHelp::open(int context) const
{
    if (open_)
        open_(context);
}

void WindowHelp::connectButtons(QWidget* focusHome)
{
    focusHome_ = focusHome;
    for (QAbstractButton* b : window_.findChildren<QAbstractButton*>()) {
        const QVariant context = b->property(ContextProperty);
        if (!context.isValid())
            continue;
        b->installEventFilter(this);
        connect(b, &QAbstractButton::clicked, this, [this, context] { open(context.toInt()); });
    }
}

bool WindowHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Leave && focusHome_)
        focusHome_->setFocus();
    return QObject::eventFilter(watched, event);
}

} // namespace q7582
