#include "ui/reports/ReportViewer.h"

#include "model/FileIo.h"
#include "model/FilePath.h"
#include "ui/common/ScreenFit.h"
#include "ui/reports/ReportLayout.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>

namespace q7582 {

namespace {

constexpr int InitialWidth = 541;
constexpr int InitialHeight = 241;
constexpr int ShownAt = 10;
// How long a report shown just after a dialog closed waits for the window system to
// activate the dialog's parent before it activates itself anyway.
constexpr int FocusReturnWaitMs = 250;

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

QAction* toolAction(QToolBar* bar, const QString& name, const QString& text, const QIcon& icon)
{
    QAction* action = bar->addAction(icon, text);
    action->setObjectName(name);
    action->setToolTip(text);
    return action;
}

// The style has no printer picture; Qt's print preview, which is linked anyway, brings one.
QIcon printerPicture()
{
    QIcon icon;
    for (const char* size : {"24", "32"})
        icon.addFile(QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/printer-%1.png")
                         .arg(QLatin1String(size)));
    return icon;
}

} // namespace

ReportViewer::ReportViewer(DialogProvider& dialogs, QWidget* parent)
    : QMainWindow(parent), text_(new QTextEdit(this)), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TForm3"));
    for (int style = 0; style < int(charFormats_.size()); ++style)
        charFormats_[style] = charFormatFor(style);

    text_->setObjectName(QStringLiteral("RichEdit1"));
    text_->setReadOnly(true);
    text_->setUndoRedoEnabled(false);
    text_->setLineWrapMode(QTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->document()->setDocumentLayout(new ReportLayout(text_->document()));
    setCentralWidget(text_);

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon); // not every icon theme has a printer
    saveAction_ = toolAction(
        bar, QStringLiteral("save"), tr("save"),
        QIcon::fromTheme(QStringLiteral("document-save"), style()->standardIcon(QStyle::SP_DialogSaveButton)));
    printAction_ = toolAction(bar, QStringLiteral("print"), tr("print"),
                              QIcon::fromTheme(QStringLiteral("document-print"), printerPicture()));
    connect(saveAction_, &QAction::triggered, this, &ReportViewer::saveAs);
    connect(printAction_, &QAction::triggered, this, &ReportViewer::printReport);

    auto* closeKey = new QAction(this);
    closeKey->setObjectName(QStringLiteral("CloseReport"));
    closeKey->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(closeKey, &QAction::triggered, this, &QWidget::close);
    addAction(closeKey);

    focusWait_ = new QTimer(this);
    focusWait_->setSingleShot(true);
    focusWait_->setInterval(FocusReturnWaitMs);
    connect(focusWait_, &QTimer::timeout, this, &ReportViewer::comeToFront);

    resize(InitialWidth, InitialHeight);
    cursor_ = QTextCursor(text_->document());
}

void ReportViewer::startReport(const QString& caption)
{
    setWindowTitle(caption);
    text_->clear();
    cursor_ = QTextCursor(text_->document());
    lineCount_ = 0;
}

void ReportViewer::appendLine(const QString& text, int style) { appendLines(text, style, 1); }

// Lines of one style joined by '\n': the text inserts every line after the first as a
// block of the same formats, without looking the formats up again for each.
void ReportViewer::appendLines(const QString& joined, int style, int count)
{
    QTextBlockFormat block;
    block.setAlignment(style & ReportStyle::Centred ? Qt::AlignHCenter : Qt::AlignLeft);
    const QTextCharFormat& chars = charFormats_[style & ReportStyle::AllBits];

    if (!cursor_.atEnd())
        cursor_.movePosition(QTextCursor::End);
    if (lineCount_ == 0) {
        cursor_.setBlockFormat(block);
        cursor_.setBlockCharFormat(chars);
    } else {
        cursor_.insertBlock(block, chars);
    }
    cursor_.insertText(joined, chars);
    lineCount_ += count;
}

void ReportViewer::bringToFront()
{
    move(ShownAt, ShownAt);
    show();
    raise();
    if (QApplication::activeWindow())
        activateWindow();
    else
        activateOnceFocusReturns();
}

// No window of the program is active just after a modal dialog (Compare's file dialog)
// closed: the window system activates the dialog's parent a moment later, over a report
// activated now. The report comes to the front again once another of the program's
// windows is activated, or when the wait is over.
void ReportViewer::activateOnceFocusReturns()
{
    disconnect(focusReturn_);
    focusReturn_ = connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused != windowHandle())
            comeToFront();
    });
    focusWait_->start();
}

void ReportViewer::comeToFront()
{
    disconnect(focusReturn_);
    focusWait_->stop();
    raise();
    activateWindow();
}

void ReportViewer::showReport(const Report& report)
{
    startReport(report.caption);
    if (report.width > 0)
        resize(report.width, height());
    fitResizableWindow(*this);
    // One edit block: the layout hears of one change, not of one per line.
    cursor_.beginEditBlock();
    for (auto line = report.lines.begin(); line != report.lines.end();) {
        QString joined = line->text;
        const auto run = std::find_if(line + 1, report.lines.end(),
                                      [style = line->style](const ReportLine& next) { return next.style != style; });
        for (auto next = line + 1; next != run; ++next)
            joined += QLatin1Char('\n') + next->text;
        appendLines(joined, line->style, int(run - line));
        line = run;
    }
    cursor_.endEditBlock();
    // The view's own cursor moved along with the text; a report opens at its top.
    text_->moveCursor(QTextCursor::Start);
    bringToFront();
}

std::optional<QString> ReportViewer::saveTo(const QString& fileName) const
{
    QByteArray text;
    if (lineCount_ > 0)
        for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next())
            text += block.text().toUtf8() + "\r\n";

    // The old file stays whole until the new text is safely written.
    const FileResult saved = replaceFile(filePath(fileName), text.toStdString());
    if (!saved.ok)
        return QString::fromStdString(saved.error);
    return std::nullopt;
}

std::optional<QString> ReportViewer::renderTo(QPrinter& printer) const
{
    // The PDF engine opens its file for writing as it is: a pipe there would hang it.
    const QFileInfo pdf(printer.outputFileName());
    if (printer.outputFormat() == QPrinter::PdfFormat && pdf.exists() && !pdf.isFile())
        return tr("%1: not a regular file").arg(printer.outputFileName());
    text_->document()->print(&printer);
    if (printer.printerState() != QPrinter::Error)
        return std::nullopt;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // The PDF engine keeps no reason; asking the file system again gives it.
        QFile file(printer.outputFileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return file.errorString();
    }
    return tr("The printer reported an error");
}

void ReportViewer::saveAs()
{
    // No default suffix: a name typed without extension is saved as typed.
    const QString fileName =
        dialogs_.getSaveFileName(this, QString(), QString(), tr("Rich Text Format (*.rtf);;Text (*.txt)"));
    if (fileName.isEmpty())
        return;
    if (const auto failure = saveTo(fileName))
        dialogs_.error(this, tr("The report could not be saved:\n%1").arg(*failure));
}

void ReportViewer::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!dialogs_.choosePrinter(this, printer))
        return;
    if (const auto failure = renderTo(printer))
        dialogs_.error(this, tr("The report could not be printed:\n%1").arg(*failure));
}

} // namespace q7582
