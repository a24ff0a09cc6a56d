#include "ui/common/DialogProvider.h"

#include "ui/common/TextFileViewer.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace q7582 {

std::optional<QString> QtDialogProvider::getText(QWidget* parent, const QString& caption, const QString& prompt,
                                                 const QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void QtDialogProvider::message(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogProvider::confirm(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

bool QtDialogProvider::yesNo(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

SaveAnswer QtDialogProvider::askSave(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

void QtDialogProvider::exec(QDialog& dialog) { dialog.exec(); }

QString QtDialogProvider::getOpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                          const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString QtDialogProvider::getSaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                          const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

QString QtDialogProvider::getExistingDirectory(QWidget* parent, const QString& title)
{
    return QFileDialog::getExistingDirectory(parent, title);
}

bool QtDialogProvider::choosePrinter(QWidget* parent, QPrinter& printer)
{
    // The whole document is printed, so no page range or selection is offered.
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

FileResult QtDialogProvider::showTextFile(QWidget* parent, const QString& path)
{
    return showTextFileModal(parent, path);
}

} // namespace q7582
