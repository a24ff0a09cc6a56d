#include "ui/main/DialogProvider.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

void QtDialogProvider::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
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

bool QtDialogProvider::okCancel(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::warning(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
}

bool QtDialogProvider::yesNo(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

} // namespace q7582
