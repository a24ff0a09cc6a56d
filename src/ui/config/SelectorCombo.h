#pragma once
// The editor's selector lists ("Message event 17", "Reception desk (1)"): their places
// leave little room, so a text too wide is cut in the middle and keeps its number.

#include <QComboBox>

class QFontMetrics;

namespace q7582 {

// `text` as it fits `width` pixels: whole, or its head cut with "…" before the
// trailing number (" 17", " (1)"), which stays whole.
QString elideKeepingNumber(const QString& text, const QFontMetrics& metrics, int width);

class SelectorCombo : public QComboBox {
    Q_OBJECT
public:
    SelectorCombo(QWidget* parent, const char* name, const QRect& geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace q7582
