#include "ui/config/SelectorCombo.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QStylePainter>

namespace q7582 {

QString elideKeepingNumber(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    static const QRegularExpression trailingNumber(QStringLiteral("\\s*\\(?\\d+\\)?$"));
    const QRegularExpressionMatch number = trailingNumber.match(text);
    if (!number.hasMatch())
        return metrics.elidedText(text, Qt::ElideRight, width);
    const QString tail = number.captured();
    const QString head = text.left(number.capturedStart());
    // Cut and tail together may run a pixel wider than apart: narrow the cut until they fit.
    for (int room = width - metrics.horizontalAdvance(tail); room > 0; --room) {
        const QString cut = metrics.elidedText(head, Qt::ElideRight, room);
        if (cut.isEmpty())
            break;
        if (metrics.horizontalAdvance(cut + tail) <= width)
            return cut + tail;
    }
    // With no room even for "…", the number alone still says which entry it is.
    return tail.trimmed();
}

SelectorCombo::SelectorCombo(QWidget* parent, const char* name, const QRect& geometry) : QComboBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setMaxVisibleItems(20);
}

void SelectorCombo::paintEvent(QPaintEvent*)
{
    // As QComboBox draws itself, with the current text fitted to the edit field.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText =
        elideKeepingNumber(option.currentText, fontMetrics(), field.width() - 2); // the label keeps a pixel each side
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace q7582
