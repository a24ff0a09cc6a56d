#pragma once
// The application's style for the window's panels, with the border picture of a group
// box frame loaded once. The style loads it anew for every panel repaint, also the
// small ones a changed cell or meter causes, and each load asks the picture's time
// (a look-up of the time zone file).

#include <QProxyStyle>

namespace q7582 {

class PanelFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

    // The one instance, owned by the application, on the application's current style.
    static PanelFrameStyle* instance();
};

} // namespace q7582
