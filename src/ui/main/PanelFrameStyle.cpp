#include "ui/main/PanelFrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <qdrawutil.h>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

namespace q7582 {
namespace {

constexpr int TopMargin = 3; // the style's space above a group box frame

} // namespace

void PanelFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // As the style draws it, less the file look-up: its border picture stretched over
    // the box below the title.
    static const QPixmap border(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int topMargin = box && !box->isCheckable() && box->title().isEmpty()
                              ? TopMargin
                              : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height())
                                    + TopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6), border);
}

PanelFrameStyle* PanelFrameStyle::instance()
{
    // Gone with the application; a later application gets its own.
    static QPointer<PanelFrameStyle> style;
    if (!style) {
        style = new PanelFrameStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

} // namespace q7582
