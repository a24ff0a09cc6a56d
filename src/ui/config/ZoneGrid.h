#pragma once
// The grid of 6 masters x 36 zones or outputs and the number and output event boxes
// that the Units, VOX, Message events and Out events pages share. Built once; the
// page change moves it onto the active page. It draws and reports clicks; the window
// binds it to the record of the page.

#include "ui/config/CellLabel.h"
#include "ui/config/GridRules.h"

#include <QObject>
#include <QPoint>

#include <array>

namespace q7582 {

class ZoneGrid : public QObject {
    Q_OBJECT
public:
    explicit ZoneGrid(QWidget* page);

    // Moves the grid, its row labels and the four box controls onto `page`.
    void moveTo(QWidget* page);
    void draw(const GridTarget& target);

    CellLabel* cell(int m, int z) const { return cells_[m][z]; }
    CellLabel* rowLabel(int m) const { return rows_[m]; }
    CellLabel* numberBox() const { return numberBox_; }
    CellLabel* outputEventBox() const { return outputEventBox_; }
    QLabel* numberCaption() const { return numberCaption_; }

    // Shows or hides the two boxes and their captions; titles the number box.
    void showBoxes(bool visible, const QString& numberTitle = QString());
    void showNumber(const QString& text);
    void showOutputEvent(int code);

    // Left edge of the group of six columns g (0..5) and its width, for captions under it.
    static int groupLeft(int g);
    static int groupWidth();
    static int bottom();

signals:
    void cellClicked(int m, int z);
    // The cell's context menu was asked for.
    void cellMenuRequested(int m, int z, QPoint globalPos);
    void rowClicked(int m);
    void numberBoxClicked();
    void outputEventBoxClicked();

private:
    QWidget* grid_;
    std::array<CellLabel*, GridRows> rows_{};
    std::array<std::array<CellLabel*, GridColumns>, GridRows> cells_{};
    QLabel* numberCaption_;
    CellLabel* numberBox_;
    QLabel* outputEventCaption_;
    CellLabel* outputEventBox_;
};

} // namespace q7582
