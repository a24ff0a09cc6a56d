#pragma once
// The dialogs the report viewer opens, behind an interface so that tests answer
// them without blocking.

#include <QString>

class QPrinter;
class QWidget;

namespace q7582 {

class ViewerDialogs {
public:
    virtual ~ViewerDialogs() = default;
    // The chosen file name, or an empty text when the user cancels.
    virtual QString askSaveFileName(QWidget* parent, const QString& filter) = 0;
    // Sets up the printer as the user chose; false when cancelled.
    virtual bool askPrinter(QWidget* parent, QPrinter& printer) = 0;
    // A failed file or print operation, with the system's reason in the text.
    virtual void showError(QWidget* parent, const QString& text) = 0;
};

class QtViewerDialogs final : public ViewerDialogs {
public:
    QString askSaveFileName(QWidget* parent, const QString& filter) override;
    bool askPrinter(QWidget* parent, QPrinter& printer) override;
    void showError(QWidget* parent, const QString& text) override;
};

} // namespace q7582
