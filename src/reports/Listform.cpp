#include "reports/Listform.h"

#include "model/FileIo.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>

namespace q7582 {

namespace {

constexpr int InitialWidth = 541;
constexpr int InitialHeight = 241;
constexpr int ShownAt = 10;

QTextCharFormat charFormatFor(int style)
{
    QTextCharFormat format;
    format.setFontUnderline(style & ReportStyle::Underlined);
    format.setFontPointSize(style & ReportStyle::Large ? 12 : 8);
    // Tahoma and Courier are rarely installed here: the hints pick a sans-serif and a
    // fixed-pitch fallback, which keeps the tables aligned.
    if (style & ReportStyle::FixedPitch) {
        format.setFontFamilies({QStringLiteral("Courier")});
        format.setFontStyleHint(QFont::TypeWriter);
        format.setFontFixedPitch(true);
    } else {
        format.setFontFamilies({QStringLiteral("Tahoma")});
        format.setFontStyleHint(QFont::SansSerif);
    }
    return format;
}

QAction* toolAction(QToolBar* bar, const QString& name, const QIcon& icon)
{
    QAction* action = bar->addAction(icon, name);
    action->setObjectName(name);
    action->setToolTip(name);
    return action;
}

} // namespace

TForm3::TForm3(std::shared_ptr<ViewerDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), RichEdit1(new QTextEdit(this)), dialogs_(std::move(dialogs))
{
    setObjectName(QStringLiteral("TForm3"));
    for (int style = 0; style < int(charFormats_.size()); ++style)
        charFormats_[style] = charFormatFor(style);

    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setUndoRedoEnabled(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCentralWidget(RichEdit1);

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon); // not every icon theme has a printer
    save = toolAction(bar, QStringLiteral("save"),
                      QIcon::fromTheme(QStringLiteral("document-save"), style()->standardIcon(QStyle::SP_DialogSaveButton)));
    print = toolAction(bar, QStringLiteral("print"), QIcon::fromTheme(QStringLiteral("document-print")));
    connect(save, &QAction::triggered, this, &TForm3::saveExecute);
    connect(print, &QAction::triggered, this, &TForm3::printExecute);

    resize(InitialWidth, InitialHeight);
    cursor_ = QTextCursor(RichEdit1->document());
}

void TForm3::Prepare(const QString& caption)
{
    setWindowTitle(caption);
    RichEdit1->clear();
    cursor_ = QTextCursor(RichEdit1->document());
    lineCount_ = 0;
}

void TForm3::AppendReportLine(const QString& text, int style)
{
    QTextBlockFormat block;
    block.setAlignment(style & ReportStyle::Centred ? Qt::AlignHCenter : Qt::AlignLeft);
    const QTextCharFormat& chars = charFormats_[style & ReportStyle::AllBits];

    cursor_.movePosition(QTextCursor::End);
    if (lineCount_ == 0) {
        cursor_.setBlockFormat(block);
        cursor_.setBlockCharFormat(chars);
    } else {
        cursor_.insertBlock(block, chars);
    }
    cursor_.insertText(text, chars);
    ++lineCount_;
}

void TForm3::Show()
{
    move(ShownAt, ShownAt);
    show();
    raise();
    activateWindow();
}

void TForm3::showReport(const Report& report)
{
    Prepare(report.caption);
    if (report.width > 0)
        resize(report.width, height());
    // One edit block: the view lays the document out once, not once per line.
    cursor_.beginEditBlock();
    for (const ReportLine& line : report.lines)
        AppendReportLine(line.text, line.style);
    cursor_.endEditBlock();
    // The view's own cursor moved along with the text; a report opens at its top.
    RichEdit1->moveCursor(QTextCursor::Start);
    Show();
}

std::optional<QString> TForm3::saveTo(const QString& fileName) const
{
    QByteArray text;
    if (lineCount_ > 0)
        for (QTextBlock block = RichEdit1->document()->begin(); block.isValid(); block = block.next())
            text += block.text().toUtf8() + "\r\n";

    // The old file stays whole until the new text is safely written.
    const FileResult saved = replaceFile(QFile::encodeName(fileName).toStdString(), text.toStdString());
    if (!saved.ok)
        return QString::fromStdString(saved.error);
    return std::nullopt;
}

std::optional<QString> TForm3::renderTo(QPrinter& printer) const
{
    // The PDF engine opens its file for writing as it is: a pipe there would hang it.
    const QFileInfo pdf(printer.outputFileName());
    if (printer.outputFormat() == QPrinter::PdfFormat && pdf.exists() && !pdf.isFile())
        return printer.outputFileName() + QStringLiteral(": not a regular file");
    RichEdit1->document()->print(&printer);
    if (printer.printerState() != QPrinter::Error)
        return std::nullopt;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // The PDF engine keeps no reason; asking the file system again gives it.
        QFile file(printer.outputFileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return file.errorString();
    }
    return QStringLiteral("The printer reported an error");
}

void TForm3::saveExecute()
{
    const QString fileName = dialogs_->askSaveFileName(this, QStringLiteral("Rich Text Format (*.rtf);;Text (*.txt)"));
    if (fileName.isEmpty())
        return;
    if (const auto failure = saveTo(fileName))
        dialogs_->showError(this, QStringLiteral("The report could not be saved:\n%1").arg(*failure));
}

void TForm3::printExecute()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!dialogs_->askPrinter(this, printer))
        return;
    if (const auto failure = renderTo(printer))
        dialogs_->showError(this, QStringLiteral("The report could not be printed:\n%1").arg(*failure));
}

} // namespace q7582
