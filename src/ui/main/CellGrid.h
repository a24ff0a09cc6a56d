#pragma once
// A 6 x 6 grid of numbered cells with a caption before each row (zones of the six
// slaves, the six I/O cards), painted by one widget: each cell and row caption is drawn
// as a sunken framed text, coloured by the status refresh. A colour change repaints that
// cell only. The cells keep the names they would have as separate controls
// ("ZoneCell1".."ZoneCell36", "SlaveLabel0".."SlaveLabel5"), for hit-testing and
// accessibility.

#include "ui/main/DisabledLook.h"

#include <QColor>
#include <QHash>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

namespace q7582 {

class CellGrid : public QWidget, public DisabledLook {
    Q_OBJECT
public:
    static constexpr int Rows = 6, Columns = 6, Cells = Rows * Columns;

    struct Naming {
        QString rowPrefix;  // objectName of a row caption: prefix + row (from 0)
        QString rowCaption; // its text: caption + (row + rowBase)
        int rowBase = 0;
        QString cellPrefix; // objectName of a cell: prefix + number (from 1)
    };

    CellGrid(Naming naming, QWidget* parent);

    void setRowBackground(int row, const QColor& colour);
    void setCellBackground(int cell, const QColor& colour);
    QColor rowBackground(int row) const { return rows_.at(std::size_t(row)).background; }
    QColor cellBackground(int cell) const { return cells_.at(std::size_t(cell)).background; }
    void setCellToolTip(int cell, const QString& text) { cells_.at(std::size_t(cell)).toolTip = text; }
    QString cellToolTip(int cell) const { return cells_.at(std::size_t(cell)).toolTip; }

    // Where each item lies in the widget, and which cell a point falls on (-1: none).
    QRect cellRect(int cell) const;
    QRect rowRect(int row) const;
    int cellAt(const QPoint& point) const;
    int rowAt(const QPoint& point) const; // a row's caption; -1: none
    QString cellName(int cell) const { return naming_.cellPrefix + QString::number(cell + 1); }
    QString rowName(int row) const { return naming_.rowPrefix + QString::number(row); }
    QString rowText(int row) const { return naming_.rowCaption + QString::number(row + naming_.rowBase); }

    // Every item's disabled picture in its present colour.
    void prepareDisabledLook() override;

signals:
    void cellPressed(int cell, Qt::MouseButton button);
    void cellDoubleClicked(int cell);
    // The context menu was asked for over a cell or a row caption (the other is -1).
    void menuRequested(int cell, int row, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Item {
        QColor background;
        QString toolTip;
    };
    void setBackground(Item& item, const QRect& rect, const QColor& colour);
    void paintItem(QPainter& painter, const QRect& rect, const QColor& background, const QString& text,
                   QPalette::ColorGroup group);
    const QPixmap& itemPicture(int item, const QRect& rect, const QColor& background, const QString& text,
                               QPalette::ColorGroup group);
    void forEachPicture(const QRect& within, QPalette::ColorGroup group,
                        const std::function<void(QPoint, const QPixmap&)>& use);

    Naming naming_;
    std::array<Item, Rows> rows_{};
    std::array<Item, Cells> cells_{};
    QHash<quint64, QPixmap> pictures_; // drawn items: rows 0..5, then cells
};

} // namespace q7582
