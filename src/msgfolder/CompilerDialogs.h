#pragma once
// The modal dialogs the compiler window asks through, so that tests can answer them.

#include "model/FileIo.h"

#include <QMessageBox>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace q7582 {

class CompilerDialogs {
public:
    virtual ~CompilerDialogs() = default;

    // Each gives none on Cancel.
    virtual std::optional<QString> chooseFolder(QWidget* owner, const QString& title) = 0;
    virtual std::optional<QString> chooseFile(QWidget* owner, const QString& title,
                                              const QString& filter) = 0;
    virtual std::optional<QString> askText(QWidget* owner, const QString& caption,
                                           const QString& prompt, const QString& text) = 0;
    // OK/Cancel box; true on OK.
    virtual bool confirm(QWidget* owner, const QString& caption, const QString& text,
                         QMessageBox::Icon icon) = 0;
    virtual void inform(QWidget* owner, const QString& caption, const QString& text,
                        QMessageBox::Icon icon) = 0;
    // The file in a modal read-only viewer; returns when the user closes it.
    virtual FileResult showTextFile(QWidget* owner, const QString& path) = 0;
};

// The real dialogs: QFileDialog, QInputDialog, QMessageBox and the log viewer.
std::unique_ptr<CompilerDialogs> qtCompilerDialogs();

} // namespace q7582
