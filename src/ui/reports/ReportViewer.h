#pragma once
// ReportViewer, the report viewer: one window that shows the last report as formatted
// text, saves it as plain text and prints it. A new report replaces the old one.

#include "reports/ReportLine.h"
#include "ui/common/DialogProvider.h"

#include <QMainWindow>
#include <QTextCharFormat>
#include <QTextCursor>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QPrinter;
class QTimer;
class QTextEdit;

namespace q7582 {

class ReportViewer : public QMainWindow {
    Q_OBJECT

public:
    explicit ReportViewer(DialogProvider& dialogs, QWidget* parent = nullptr);

    // Caption and empty content for a new report.
    void startReport(const QString& caption);
    // Appends one line with the alignment, underline, size and font of its style bits.
    void appendLine(const QString& text, int style);
    // Visible at 10, 10, raised and active.
    void bringToFront();
    // startReport, widen if the report asks for it, append every line, bringToFront.
    void showReport(const Report& report);

    int lineCount() const { return lineCount_; }
    QTextEdit* richEdit() const { return text_; }

    // The lines as plain text with CR LF ends; the failure reason, if any.
    std::optional<QString> saveTo(const QString& fileName) const;
    // The single render path of paper and PDF; the failure reason, if any.
    std::optional<QString> renderTo(QPrinter& printer) const;

public slots:
    void saveAs();
    void printReport();

private:
    void appendLines(const QString& joined, int style, int count);
    void activateOnceFocusReturns();
    void comeToFront();

    QTextEdit* text_;
    QAction* saveAction_;
    QAction* printAction_;
    DialogProvider& dialogs_;
    std::array<QTextCharFormat, ReportStyle::AllBits + 1> charFormats_;
    QTextCursor cursor_;
    int lineCount_ = 0;
    QMetaObject::Connection focusReturn_; // while a closed dialog's parent has yet to be activated
    QTimer* focusWait_;
};

} // namespace q7582
