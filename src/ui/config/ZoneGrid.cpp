#include "ui/config/ZoneGrid.h"

#include <algorithm>

namespace q7582 {

namespace {

constexpr int RowLeft = 140, GridTop = 10, RowStep = 27, RowWidth = 75;
constexpr int CellLeft = 220, CellWidth = 15, GroupGap = 10, CellHeight = 21;

int cellX(int z) { return CellLeft + CellWidth * z + GroupGap * (z / 6); }

QLabel* caption(const QString& text, QWidget* parent, const QString& name)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

int ZoneGrid::groupLeft(int g) { return cellX(6 * g); }
int ZoneGrid::groupWidth() { return 6 * CellWidth; }
int ZoneGrid::bottom() { return GridTop + RowStep * (GridRows - 1) + CellHeight; }

ZoneGrid::ZoneGrid(QWidget* page) : QObject(page), grid_(new QWidget(page))
{
    // One widget holds rows and cells, so that moving the grid is one reparenting.
    grid_->setObjectName(QStringLiteral("ZoneGrid"));
    grid_->setGeometry(RowLeft, GridTop, cellX(GridColumns - 1) + CellWidth - RowLeft, bottom() - GridTop);
    for (int m = 0; m < GridRows; ++m) {
        rows_[m] = new CellLabel(QStringLiteral("Master %1").arg(m), grid_);
        rows_[m]->setObjectName(QStringLiteral("ZoneRow%1").arg(m));
        rows_[m]->setGeometry(0, RowStep * m, RowWidth, CellHeight);
        rows_[m]->setFaceColour();
        connect(rows_[m], &CellLabel::clicked, this, [this, m] { emit rowClicked(m); });
        for (int z = 0; z < GridColumns; ++z) {
            auto* c = new CellLabel(QString::number(z + 1), grid_);
            c->setObjectName(QStringLiteral("ZoneCell%1_%2").arg(m).arg(z));
            c->setGeometry(cellX(z) - RowLeft, RowStep * m, CellWidth, CellHeight);
            QFont f = c->font();
            f.setPixelSize(9); // two digits in 15 pixels
            c->setFont(f);
            connect(c, &CellLabel::clicked, this, [this, m, z] { emit cellClicked(m, z); });
            c->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(c, &QWidget::customContextMenuRequested, this,
                    [this, c, m, z](QPoint at) { emit cellMenuRequested(m, z, c->mapToGlobal(at)); });
            cells_[m][z] = c;
        }
    }
    outputEventCaption_ = caption(tr("Output event"), page, QStringLiteral("OutputEventCaption"));
    outputEventCaption_->setGeometry(10, 56, 75, CellHeight);
    outputEventBox_ = new CellLabel(QString(), page);
    outputEventBox_->setObjectName(QStringLiteral("OutputEventBox"));
    outputEventBox_->setGeometry(85, 56, 40, CellHeight);
    numberCaption_ = caption(tr("Message"), page, QStringLiteral("NumberCaption"));
    numberCaption_->setGeometry(10, 79, 75, CellHeight);
    numberBox_ = new CellLabel(QString(), page);
    numberBox_->setObjectName(QStringLiteral("NumberBox"));
    numberBox_->setGeometry(85, 79, 40, CellHeight);
    // Linux fonts run wider than the boxes were drawn for.
    for (QLabel* l : {numberCaption_, static_cast<QLabel*>(numberBox_), outputEventCaption_,
                      static_cast<QLabel*>(outputEventBox_)}) {
        QFont f = l->font();
        f.setPixelSize(10);
        l->setFont(f);
    }
    // Wide enough for the names the boxes show, in the interface's language.
    int boxWidth = 40;
    for (const int code : {OutputEventCode::None, OutputEventCode::ResetMaster, OutputEventCode::ResetSystem})
        boxWidth = std::max(boxWidth, outputEventBox_->fontMetrics().horizontalAdvance(outputEventText(code)) + 2);
    outputEventBox_->resize(boxWidth, CellHeight);
    numberBox_->resize(boxWidth, CellHeight);
    connect(numberBox_, &CellLabel::clicked, this, &ZoneGrid::numberBoxClicked);
    connect(outputEventBox_, &CellLabel::clicked, this, &ZoneGrid::outputEventBoxClicked);
}

void ZoneGrid::moveTo(QWidget* page)
{
    for (QWidget* w : {grid_, static_cast<QWidget*>(numberCaption_), static_cast<QWidget*>(numberBox_),
                       static_cast<QWidget*>(outputEventCaption_), static_cast<QWidget*>(outputEventBox_)}) {
        if (w->parentWidget() != page) {
            const QRect g = w->geometry();
            const bool shown = !w->isHidden();
            w->setParent(page);
            w->setGeometry(g);
            w->setVisible(shown);
        }
    }
}

void ZoneGrid::draw(const GridTarget& target)
{
    for (int m = 0; m < GridRows; ++m)
        for (int z = 0; z < GridColumns; ++z)
            cells_[m][z]->setColour(cellColour(target, m, z));
}

void ZoneGrid::showBoxes(bool visible, const QString& numberTitle)
{
    numberCaption_->setVisible(visible);
    numberBox_->setVisible(visible);
    outputEventCaption_->setVisible(visible);
    outputEventBox_->setVisible(visible);
    if (!numberTitle.isEmpty())
        numberCaption_->setText(numberTitle);
}

void ZoneGrid::showNumber(const QString& text) { numberBox_->setText(text); }

void ZoneGrid::showOutputEvent(int code)
{
    outputEventBox_->setText(code < 0 ? QString() : outputEventText(code));
    outputEventBox_->setColour(code >= 0 && outputEventOnRed(code) ? CellColour::Red : CellColour::White);
}

} // namespace q7582
