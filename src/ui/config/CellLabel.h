#pragma once
// A framed, centred text 21 pixels high that reports clicks and carries one of the
// editor's cell colours: the grid cells, the number boxes and the row labels.

#include "ui/config/GridRules.h"

#include <QLabel>

namespace q7582 {

QColor cellQColor(CellColour c);

class CellLabel : public QLabel {
    Q_OBJECT
public:
    CellLabel(const QString& text, QWidget* parent, bool handCursor = true);
    void setColour(CellColour c);
    CellColour colour() const { return colour_; }
    // The window face colour of the row labels and captions.
    void setFaceColour();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    // A text wider than the cell ("Master" in a narrow box) is drawn smaller, never cut.
    void paintEvent(QPaintEvent* e) override;

private:
    CellColour colour_ = CellColour::White;
};

} // namespace q7582
