#include "msgfolder/CompilerDialogs.h"

#include "msgfolder/TextFileViewer.h"

#include <QFileDialog>
#include <QInputDialog>

namespace q7582 {

namespace {

class QtCompilerDialogs : public CompilerDialogs {
public:
    std::optional<QString> chooseFolder(QWidget* owner, const QString& title) override
    {
        return answer(QFileDialog::getExistingDirectory(owner, title));
    }

    std::optional<QString> chooseFile(QWidget* owner, const QString& title,
                                      const QString& filter) override
    {
        return answer(QFileDialog::getOpenFileName(owner, title, QString(), filter));
    }

    std::optional<QString> askText(QWidget* owner, const QString& caption, const QString& prompt,
                                   const QString& text) override
    {
        bool ok = false;
        const QString entered =
            QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, text, &ok);
        if (!ok)
            return std::nullopt;
        return entered;
    }

    bool confirm(QWidget* owner, const QString& caption, const QString& text,
                 QMessageBox::Icon icon) override
    {
        QMessageBox box(icon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
        return box.exec() == QMessageBox::Ok;
    }

    void inform(QWidget* owner, const QString& caption, const QString& text,
                QMessageBox::Icon icon) override
    {
        QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
        box.exec();
    }

    FileResult showTextFile(QWidget* owner, const QString& path) override
    {
        return showTextFileModal(owner, path);
    }

private:
    // The file dialogs give an empty path on Cancel.
    static std::optional<QString> answer(const QString& path)
    {
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
};

} // namespace

std::unique_ptr<CompilerDialogs> qtCompilerDialogs()
{
    return std::make_unique<QtCompilerDialogs>();
}

} // namespace q7582
