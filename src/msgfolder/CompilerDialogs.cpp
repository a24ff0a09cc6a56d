#include "msgfolder/CompilerDialogs.h"

#include "msgfolder/TextFileViewer.h"

#include <QFileDialog>
#include <QInputDialog>

namespace q7582 {

namespace {

class QtCompilerDialogs : public CompilerDialogs {
public:
    std::optional<QString> chooseFolder(QWidget* owner, const QString& title) override;
    std::optional<QString> chooseFile(QWidget* owner, const QString& title,
                                      const QString& filter) override;
    std::optional<QString> askText(QWidget* owner, const QString& caption, const QString& prompt,
                                   const QString& text) override;
    bool confirm(QWidget* owner, const QString& caption, const QString& text,
                 QMessageBox::Icon icon) override;
    void inform(QWidget* owner, const QString& caption, const QString& text,
                QMessageBox::Icon icon) override;
    FileResult showTextFile(QWidget* owner, const QString& path) override;
};

std::optional<QString> QtCompilerDialogs::chooseFolder(QWidget* owner, const QString& title)
{
    const QString folder = QFileDialog::getExistingDirectory(owner, title);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QString> QtCompilerDialogs::chooseFile(QWidget* owner, const QString& title,
                                                     const QString& filter)
{
    QFileDialog dialog(owner, title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> QtCompilerDialogs::askText(QWidget* owner, const QString& caption,
                                                  const QString& prompt, const QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

bool QtCompilerDialogs::confirm(QWidget* owner, const QString& caption, const QString& text,
                                QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    return box.exec() == QMessageBox::Ok;
}

void QtCompilerDialogs::inform(QWidget* owner, const QString& caption, const QString& text,
                               QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

FileResult QtCompilerDialogs::showTextFile(QWidget* owner, const QString& path)
{
    return showTextFileModal(owner, path);
}

} // namespace

std::unique_ptr<CompilerDialogs> qtCompilerDialogs()
{
    return std::make_unique<QtCompilerDialogs>();
}

} // namespace q7582
