#pragma once
// The Units, VOX, Message events and Out events pages of the editor: one tab each,
// sharing one ZoneGrid that moves onto the page shown. Each page edits the record its
// lists select in the working copy.

#include "reports/WhereUsed.h"
#include "ui/common/DialogProvider.h"
#include "ui/config/EditorSession.h"
#include "ui/config/GridRules.h"

#include <QObject>
#include <QPoint>

#include <array>

class QComboBox;
class QTabWidget;

namespace q7582 {

class NameTables;
class ZoneGrid;

class GridPages : public QObject {
    Q_OBJECT
public:
    // Adds the four pages to `tabs`, in page order.
    GridPages(EditorSession& session, const NameTables& names, DialogProvider& dialogs, QTabWidget* tabs);

    // PageUnits .. PageOutEvents.
    QWidget* page(int index) const { return pages_[index]; }
    // The unit captions may have changed since the last show; the selections are put back.
    void fillUnitList();
    // The lists put back to the session's selections (after an undo), without showing.
    void showSelection();
    // Moves the grid onto page `index` and shows the selected record.
    void showPage(int index);

signals:
    // "Where used" was asked for over the grid: a zone, or an output on the Out events page.
    void whereUsedRequested(const UsedItem& item, QPoint globalPos);

private:
    QWidget* buildPage(QTabWidget* tabs, const char* name, const QString& title, bool outputs);
    void buildLists();
    void fillKeyList();
    QWidget* dialogParent() const;
    GridTarget currentTarget();
    KeyRecord currentPagingRecord();
    void showPagingNumbers(bool messageNumber);
    void showKey();
    void showVox();
    void showMessageEvent();
    void showOutEvent();
    void unitChanged();
    void toggleZone(int m, int z);
    void toggleZoneRow(int m);
    void editNumber();
    void editOutputEvent();

    EditorSession& session_;
    const NameTables& names_;
    DialogProvider& dialogs_;
    std::array<QWidget*, 4> pages_{};
    ZoneGrid* grid_ = nullptr;
    QComboBox* unitCombo_ = nullptr;
    QComboBox* keyCombo_ = nullptr;
    QComboBox* voxCombo_ = nullptr;
    QComboBox* messageEventCombo_ = nullptr;
    QComboBox* outEventCombo_ = nullptr;
    QWidget* unaffectedLegend_ = nullptr;
};

} // namespace q7582
