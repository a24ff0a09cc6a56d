#include "msgfolder/TextFileViewer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace q7582 {

FileResult showTextFileModal(QWidget* owner, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {false, file.errorString().toStdString()};
    const QString text = QString::fromUtf8(file.readAll());

    QDialog dialog(owner);
    dialog.setWindowTitle(QFileInfo(path).fileName());
    auto* view = new QPlainTextEdit(text, &dialog);
    view->setObjectName(QStringLiteral("TextFileView"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(view);
    layout->addWidget(buttons);
    dialog.resize(640, 400);
    dialog.exec();
    return {};
}

} // namespace q7582
