#pragma once
// HistoryWindow, "Configuration history": the entries of the working folder's history,
// newest first. An entry opens as the configuration in memory, compares with it, or two
// entries compare with each other in the report viewer; the folder opens in the file
// manager. Entries that are no image are listed but never loaded.

#include "history/ConfigHistory.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace q7582 {

class DialogProvider;
class ReportViewer;
class WindowHelp;
class Workspace;

class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    // The desktop's way of opening a folder (QDesktopServices::openUrl); tests record it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    HistoryWindow(Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs, QWidget* parent = nullptr,
                  UrlOpener openUrl = {});

    // Opens a help topic by context number (the main window passes its help opener).
    void setHelpHook(std::function<void(int context)> hook);

    // Lists the history afresh.
    void reload();
    // "Config" / "History...": reload, then run modally over the main window only, so
    // that the report viewer stays usable.
    int execHistory();

    // The entries shown, in the list's order.
    const std::vector<HistoryEntry>& entries() const { return entries_; }

signals:
    // An entry replaced the configuration in memory.
    void opened();

private:
    void buildControls();
    void selectionChanged();
    // The selected entries that hold an image, in the list's order (newest first).
    std::vector<const HistoryEntry*> selectedImages() const;
    bool readEntry(const HistoryEntry& entry, ConfigImage& image);
    void openEntry();
    void compareWithMemory();
    void compareEntries();
    void openFolder();
    // The history folder's absolute name, to be read.
    QString shownFolder() const;

    Workspace& workspace_;
    ReportViewer& viewer_;
    DialogProvider& dialogs_;
    UrlOpener openUrl_;
    WindowHelp* help_;
    std::vector<HistoryEntry> entries_;

    QTableWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* compareMemory_ = nullptr;
    QPushButton* compareTwo_ = nullptr;
};

} // namespace q7582
