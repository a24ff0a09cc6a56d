#include "ui/common/TextFileViewer.h"

#include "model/FilePath.h"
#include "ui/common/ScreenFit.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace q7582 {

namespace {

// Enough for the log of any list file the compiler reads; a longer file shows its start.
constexpr std::size_t MaxShownBytes = 4 << 20;

} // namespace

FileResult showTextFileModal(QWidget* owner, const QString& path)
{
    std::string content;
    if (FileResult r = readFile(filePath(path), content, MaxShownBytes); !r.ok)
        return r;
    // Shown as a text-mode read would give it: CR LF becomes one line end.
    const QString text = QString::fromUtf8(content).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

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
    fitResizableWindow(dialog);
    dialog.exec();
    return {};
}

} // namespace q7582
