#pragma once
// A main window on a LinkShared without a link, in the fixture's folder, with scripted
// dialogs and a fixed clock. Tests call the observer methods as the link would.

#include "Child.h"
#include "EventWait.h"
#include "FileFixture.h"
#include "InModal.h"
#include "ScriptedDialogs.h"
#include "ui/config/ConfigEditor.h"
#include "ui/main/CellGrid.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <memory>

namespace q7582::test {

using Box = std::pair<QString, QString>; // a message box's title and text

class WindowTest : public FileFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        MainWindow::Options o;
        o.dialogs = &dialogs;
        o.now = [this] { return clock; };
        o.help.findViewer = [this] { return viewerInstalled ? QStringLiteral("/usr/bin/xchm") : QString(); };
        o.help.startDetached = [this](const QString& program, const QStringList& args) {
            viewerStarts.emplace_back(program, args);
            return true;
        };
        window.reset(); // a new run of the program starts on fresh working data
        workspace = std::make_unique<Workspace>(tmp.path().toStdString());
        window = std::make_unique<MainWindow>(shared, *workspace, o);
        closings = 0;
        QObject::connect(window.get(), &MainWindow::closed, [this] { ++closings; });
    }

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        return child<T>(*window, name);
    }
    QString text(const QString& name) const
    {
        if (auto* l = window->findChild<QLabel*>(name))
            return l->text();
        return find<QAbstractButton>(name)->text();
    }
    QString caption() const { return text("StatusBar1Panel3"); }
    QColor bg(const QString& name) const
    {
        if (const GridItem item = gridItem(name); item.grid)
            return item.cell >= 0 ? item.grid->cellBackground(item.cell) : item.grid->rowBackground(item.row);
        return find<ClickLabel>(name)->background();
    }
    // A cell or row caption of a painted grid, by the name it has ("ZoneCell5", "SlaveLabel0").
    struct GridItem {
        CellGrid* grid = nullptr;
        int cell = -1, row = -1;
    };
    GridItem gridItem(const QString& name) const
    {
        for (CellGrid* grid : window->findChildren<CellGrid*>()) {
            for (int n = 0; n < CellGrid::Cells; ++n)
                if (grid->cellName(n) == name)
                    return {grid, n, -1};
            for (int r = 0; r < CellGrid::Rows; ++r)
                if (grid->rowName(r) == name)
                    return {grid, -1, r};
        }
        return {};
    }
    GridItem cellItem(const QString& name) const
    {
        const GridItem item = gridItem(name);
        if (item.cell < 0)
            throw std::runtime_error("no grid cell named " + name.toStdString());
        return item;
    }
    // Clicks in the middle of a grid's cell, as the user would.
    void clickCell(const QString& name, Qt::MouseButton button, QEvent::Type type = QEvent::MouseButtonPress) const
    {
        const GridItem item = cellItem(name);
        mouse(item.grid, type, button, item.grid->cellRect(item.cell).center());
    }
    void click(const QString& button) const { find<QAbstractButton>(button)->click(); }
    void doubleClickCell(const QString& name) const { clickCell(name, Qt::LeftButton, QEvent::MouseButtonDblClick); }
    QString cellToolTip(const QString& name) const
    {
        const GridItem item = cellItem(name);
        return item.grid->cellToolTip(item.cell);
    }
    void setStatus(const std::function<void(StatusBlock&)>& f) { shared.withStatus(f); }
    StatusBlock status()
    {
        return shared.withStatus([](const StatusBlock& s) { return s; });
    }
    // The link found a master: connected, and the first refresh is done.
    void connectMaster()
    {
        shared.connectionState = ConnectionState::Connected;
        shared.justConnected = true;
        window->repaintStatusBar();
        refresh();
    }
    void refresh() { window->statusDisplayRefresh(); }
    void refreshWith(const std::function<void(StatusBlock&)>& f)
    {
        setStatus(f);
        refresh();
    }
    // A refresh, and whether it asked for a status page write.
    bool refreshWrites()
    {
        refresh();
        return shared.requests.statusWriteRequest.exchange(false);
    }
    bool takeClockWrite() { return shared.requests.clockWriteRequest.exchange(false); }
    static std::string bytesOf(const ConfigImage& image)
    {
        return {reinterpret_cast<const char*>(image.data()), std::size_t(image.Size)};
    }
    // The editor's "Yes" to its close question, with `edited` as its working copy.
    void acceptEdited(const ConfigImage& edited)
    {
        ConfigEditor editor(*workspace, window->reportViewer(), dialogs, window.get());
        editor.prepareShow();
        editor.session().workingCopy = edited;
        editor.session().markModified();
        dialogs.saveAnswers = {SaveAnswer::Yes};
        editor.reject();
    }
    // Runs a menu command by its item's objectName.
    void trigger(const QString& action) { find<QAction>(action)->trigger(); }

    static void doubleClick(QWidget* w) { mouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton); }

    std::unique_ptr<Workspace> workspace;
    LinkShared shared;
    ScriptedDialogs dialogs;
    QDateTime clock = QDateTime(QDate(2026, 3, 15), QTime(9, 8, 7)); // a Sunday
    std::vector<std::pair<QString, QStringList>> viewerStarts;
    bool viewerInstalled = false;
    int closings = 0; // times the window closed for good
    std::unique_ptr<MainWindow> window;
};

} // namespace q7582::test
