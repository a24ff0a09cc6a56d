#pragma once
// The ".cfi" file commands on the whole configuration: Save, Open, Load Default and
// Compare. The file rules are ConfigFiles'; this asks the user and reports what changed.

#include "history/RecentFiles.h"
#include "reports/ReportLine.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <optional>

class QWidget;

namespace q7582 {

class DialogProvider;
class Workspace;

class ConfigCommands : public QObject {
    Q_OBJECT
public:
    // window: the parent of the dialogs and of this object.
    ConfigCommands(Workspace& workspace, DialogProvider& dialogs, QWidget* window);

    void save();
    void open();
    // tag: the master whose default configuration is built.
    void loadDefault(int tag);
    // Compares a chosen file (from) with the configuration in memory (to); changes neither.
    void compare();
    // Compares the factory default of the configuration's master (the connected one's when
    // the configuration names none, else master 0's) with the configuration in memory.
    void compareWithDefault();
    // The connected master's address, once it has told it.
    void setConnectedMaster(std::function<std::optional<int>()> connected) { connected_ = std::move(connected); }

    // Opens the file as "Open" does once it is chosen, the unsaved question first: a
    // recent file, a file dropped on the window, the file named on the command line.
    void openNamed(const QString& name);
    // A drop on the window: one local .cfi file is opened, anything else is refused in a box.
    void openDropped(const QList<QUrl>& urls);
    // A recent file; a missing one is offered for removal from the list.
    void openRecent(const QString& name);
    // The site's recent files, opened or saved here, newest first.
    const RecentFiles& recentFiles() const { return recent_; }

signals:
    // The configuration was saved: the caption changes at once.
    void saved();
    // Open or Load Default replaced the configuration.
    void replaced();
    // The differences, for the report viewer.
    void compared(const Report& report);

private:
    void openPath(const std::string& path);
    void remember(const std::string& path);

    Workspace& workspace_;
    DialogProvider& dialogs_;
    QWidget* window_;
    RecentFiles recent_;
    std::function<std::optional<int>()> connected_;
};

} // namespace q7582
