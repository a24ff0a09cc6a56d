#pragma once
// The ".cfi" file commands on the whole configuration: Save, Open, Load Default and
// Compare. The file rules are ConfigFiles'; this asks the user and reports what changed.

#include "reports/ReportLine.h"

#include <QObject>

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

signals:
    // The configuration was saved: the caption changes at once.
    void saved();
    // Open or Load Default replaced the configuration.
    void replaced();
    // The differences, for the report viewer.
    void compared(const Report& report);

private:
    Workspace& workspace_;
    DialogProvider& dialogs_;
    QWidget* window_;
};

} // namespace q7582
