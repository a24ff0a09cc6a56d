#include "reports/ViewerDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace q7582 {

QString QtViewerDialogs::askSaveFileName(QWidget* parent, const QString& filter)
{
    // No default suffix: a name typed without extension is saved as typed.
    return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
}

bool QtViewerDialogs::askPrinter(QWidget* parent, QPrinter& printer)
{
    // The whole report is printed, so no page range or selection is offered.
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

void QtViewerDialogs::showError(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QStringLiteral("Errore"), text, QMessageBox::Ok);
}

} // namespace q7582
