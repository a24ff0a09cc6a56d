#include "ui/main/CellGridAccessible.h"

#include "ui/main/CellGrid.h"

#include <QPointer>

namespace q7582 {
namespace {

// A caption (index < Rows) or a cell (index - Rows) of a grid; it has no object of its own.
class GridItemAccessible : public QAccessibleInterface {
public:
    GridItemAccessible(CellGrid* grid, int index) : grid_(grid), index_(index) {}

    bool isValid() const override { return grid_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return isCell() ? QAccessible::Cell : QAccessible::RowHeader; }

    QString text(QAccessible::Text kind) const override
    {
        if (!grid_)
            return {};
        switch (kind) {
        case QAccessible::Name:
            return isCell() ? grid_->cellName(cell()) : grid_->rowName(index_);
        case QAccessible::Value:
            return isCell() ? QString::number(cell() + 1) : grid_->rowText(index_);
        case QAccessible::Description:
            return isCell() ? grid_->cellToolTip(cell()) : QString();
        default:
            return {};
        }
    }
    QRect rect() const override
    {
        if (!grid_)
            return {};
        const QRect local = isCell() ? grid_->cellRect(cell()) : grid_->rowRect(index_);
        return QRect(grid_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.disabled = !grid_ || !grid_->isEnabled();
        s.invisible = !grid_ || !grid_->isVisible();
        return s;
    }

private:
    bool isCell() const { return index_ >= CellGrid::Rows; }
    int cell() const { return index_ - CellGrid::Rows; }

    QPointer<CellGrid> grid_;
    int index_;
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(CellGrid::staticMetaObject.className()) && object->isWidgetType())
        return new CellGridAccessible(static_cast<CellGrid*>(object));
    return nullptr;
}

} // namespace

CellGridAccessible::CellGridAccessible(CellGrid* grid) : QAccessibleWidget(grid, QAccessible::Table)
{
    for (int i = 0; i < childCount(); ++i)
        childIds_[std::size_t(i)] = QAccessible::registerAccessibleInterface(new GridItemAccessible(grid, i));
}

CellGridAccessible::~CellGridAccessible()
{
    for (QAccessible::Id id : childIds_)
        QAccessible::deleteAccessibleInterface(id);
}

void CellGridAccessible::install()
{
    static const bool installed = (QAccessible::installFactory(gridFactory), true);
    Q_UNUSED(installed);
}

int CellGridAccessible::childCount() const { return int(childIds_.size()); }

QAccessibleInterface* CellGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return QAccessible::accessibleInterface(childIds_[std::size_t(index)]);
}

int CellGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (QAccessible::accessibleInterface(childIds_[std::size_t(i)]) == child)
            return i;
    return -1;
}

QAccessibleInterface* CellGridAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

} // namespace q7582
