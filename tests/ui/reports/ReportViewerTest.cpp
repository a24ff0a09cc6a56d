#include "ui/reports/ReportViewer.h"
#include "link/LinkShared.h"
#include "reports/ReportGuards.h"
#include "ui/common/Workspace.h"
#include "ui/reports/ReportCommands.h"
#include "ui/reports/ReportLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QPainter>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "Child.h"
#include "EventWait.h"
#include "FileFixture.h"
#include "InModal.h"
#include "ItalianWalk.h"
#include "ScriptedDialogs.h"
#include "WriteFailure.h"

#include <sys/stat.h>

namespace q7582 {

namespace {

Report sampleReport()
{
    Report report;
    report.caption = "Configuration report";
    report.add("Title", ReportStyle::Title);
    report.add("", ReportStyle::Heading);
    report.add("Key  1    |", ReportStyle::TableHeading);
    return report;
}

class ReportViewerTest : public FileFixture {
protected:
    test::ScriptedDialogs dialogs;
    ReportViewer viewer{dialogs};
};

} // namespace

// As after Compare's file dialog: the window system activates the dialog's parent only
// after the report was shown. The report still ends in front; Esc closes it.
TEST_F(ReportViewerTest, ComesToTheFrontAfterADialogClosedClosesWithEscAndSavesAndPrints)
{
    QWidget parent;
    parent.show();
    ASSERT_TRUE(test::spinUntil([&] { return parent.isActiveWindow(); }));
    QDialog dialog(&parent);
    QTimer closeOnceActive;
    QObject::connect(&closeOnceActive, &QTimer::timeout, [&] {
        if (dialog.isActiveWindow())
            dialog.accept();
    });
    closeOnceActive.start(1);
    {
        const test::InModal deadline;
        dialog.exec();
    }
    QTimer::singleShot(0, &parent, [&] { parent.activateWindow(); });

    viewer.showReport(sampleReport());
    EXPECT_TRUE(test::spinUntil([&] { return viewer.isActiveWindow(); }, 1000));
    test::serveEventsFor(400);
    EXPECT_TRUE(viewer.isActiveWindow());

    QAction* close = test::child<QAction>(viewer, "CloseReport");
    EXPECT_EQ(close->shortcut(), QKeySequence(Qt::Key_Escape));
    close->trigger();
    EXPECT_FALSE(viewer.isVisible());

    // Its report saved as plain text with CR LF, or the system's reason told; printed to a
    // PDF file named after the caption.
    const QString report = tmp.filePath("report.rtf");
    // Saved, cancelled (nothing said), refused by the system, then saved over on a full disk.
    dialogs.answers = {report, QString(), tmp.filePath("missing/report.txt"), report};
    viewer.saveAs();
    viewer.saveAs();
    viewer.saveAs();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    const auto& [title, text] = dialogs.warnings[0];
    EXPECT_TRUE(title == "Errore" && text.contains("missing/report.txt") && text.contains("No such file or directory"))
        << text.toStdString();
    EXPECT_EQ(dialogs.icons[0], QMessageBox::Critical);
    {
        WriteFailure diskFull;
        viewer.saveAs();
    }
    // Saved whole or not at all: the full disk kept the first report (its box is counted below).
    EXPECT_EQ(read("report.rtf"), "Title\r\n\r\nKey  1    |\r\n");

    viewer.printReport(); // cancelled
    EXPECT_EQ(dialogs.jobName, "Configuration report");

    dialogs.pdfName = tmp.filePath("report.pdf");
    viewer.printReport();
    const std::string pdf = read("report.pdf");
    EXPECT_TRUE(pdf.starts_with("%PDF") && pdf.size() > 1000);

    // A pipe chosen as the PDF file is refused at once.
    dialogs.pdfName = tmp.filePath("pipe.pdf");
    ASSERT_EQ(::mkfifo(path("pipe.pdf").c_str(), 0666), 0);
    viewer.printReport();
    ASSERT_EQ(dialogs.warnings.size(), 3u); // none for the PDF written
    EXPECT_TRUE(dialogs.warnings[2].second.endsWith("pipe.pdf: not a regular file"))
        << dialogs.warnings[2].second.toStdString();
    test::expectShownInItalian([this] { return std::make_unique<ReportViewer>(dialogs); });
}

// A new report replaces the content and opens at the top; titles and
// headings are centred across the view, tables stay on the left and underlined.
// The viewer lays out only what it shows and measures the rest while idle; every line
// lies, and is drawn, where Qt's own layout puts it: every style, empty lines, a line
// wider than the view, a glyph from a fallback font, at two widths. The lines not yet
// laid out are placed right already.
TEST_F(ReportViewerTest, ANewReportReplacesTheLastAndItsLinesLieWhereQtsOwnLayoutPutsThem)
{
    // Where the middle of a line is drawn, against the middle of the view.
    const auto lineCentreOffset = [this](const QTextBlock& block) {
        QTextEdit* edit = viewer.richEdit();
        const QRectF box = edit->document()->documentLayout()->blockBoundingRect(block);
        const QTextLine line = block.layout()->lineAt(0);
        return box.x() + line.cursorToX(0) + line.naturalTextWidth() / 2 - edit->viewport()->width() / 2.0;
    };
    const auto drawn = [](QTextDocument& doc, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        doc.drawContents(&painter, QRectF(QPointF(), QSizeF(size)));
        return image;
    };
    viewer.showReport(sampleReport()); // the report replaced below

    Report report = sampleReport();
    report.width = 800;
    report.lines.insert(report.lines.begin() + 1, {"Creation date-hour: 06/12/2026 - 08:30.15", ReportStyle::Heading});
    report.add(QString::fromUtf8("Unit (3) 会议室 → 9"), ReportStyle::TableRow);
    report.add(QString(600, QLatin1Char('+')), ReportStyle::Body);
    for (int row = 0; row < 600; ++row) // more than the layout measures at once
        for (int style = 0; style <= ReportStyle::AllBits; style += row % 5 == 4 ? 1 : 8)
            report.add(row % 3 == 2 ? QString() : QStringLiteral("Key %1 | %2 | 1 +2 +3 -4").arg(row).arg(style),
                       style);
    // Fresh, and after the user widened the viewer, which the report narrows again to 800.
    for (int width : {800, 500}) {
        if (width != 800)
            viewer.resize(1000, 700);
        viewer.showReport(report);
        QCoreApplication::processEvents();
        auto* layout = qobject_cast<ReportLayout*>(viewer.richEdit()->document()->documentLayout());
        ASSERT_NE(layout, nullptr);
        QTextDocument* ours = viewer.richEdit()->document();
        ASSERT_EQ(std::size_t(ours->blockCount()), report.lines.size()); // the first report is gone
        EXPECT_NEAR(lineCentreOffset(ours->firstBlock()), 0, 2) << width;
        EXPECT_NEAR(lineCentreOffset(ours->firstBlock().next()), 0, 2) << width;
        const QTextBlock table = ours->findBlockByNumber(3);
        EXPECT_LT(table.layout()->lineAt(0).cursorToX(0), 1);
        EXPECT_TRUE(table.begin().fragment().charFormat().fontUnderline()
                    && table.begin().fragment().charFormat().fontFixedPitch());
        EXPECT_EQ(viewer.richEdit()->textCursor().position(), 0);

        viewer.resize(width, 700);
        const std::unique_ptr<QTextDocument> qts(ours->clone());
        if (width == 800) { // a fresh long report is measured in steps
            EXPECT_FALSE(layout->allMeasured());
        }
        EXPECT_EQ(layout->documentSize().height(), qts->documentLayout()->documentSize().height()) << width;
        ASSERT_TRUE(test::spinUntil([&] { return layout->allMeasured(); }, 2000));
        EXPECT_EQ(layout->documentSize(), qts->documentLayout()->documentSize()) << width;
        for (QTextBlock a = ours->begin(), b = qts->begin(); a.isValid(); a = a.next(), b = b.next())
            EXPECT_EQ(layout->blockBoundingRect(a), qts->documentLayout()->blockBoundingRect(b))
                << width << " " << a.blockNumber();
        const QSize size = layout->documentSize().toSize().boundedTo({4000, 2000});
        EXPECT_EQ(drawn(*ours, size), drawn(*qts, size)) << width;
    }
    EXPECT_FALSE(test::child<QAction>(viewer, "print")->icon().pixmap(24).isNull());
}

// The first failing check gives its message and what to do next; without a master every
// report is refused and the viewer is left alone. (The menu bar's test takes each refusal
// through the window.)
TEST_F(ReportViewerTest, ReportCommandsRefuseAtTheFirstFailingCheckAndSuccessShowsTheReport)
{
    using enum ConnectionState;
    Provenance p;
    p.origin = ConfigOrigin::OriginFile;
    p.modified = true;
    p.uploadedMasterByte = 0x02;
    EXPECT_EQ(configurationReportRefusal(Connected, p, 0x82),
              "Configuration not Uploaded\nA configuration report shows what the connected master holds: Upload "
              "its configuration (Config / Upload), then choose the report again.");
    // Then the modified image, then the chime bit (switched on, the image is another master's):
    // the menu bar's test reads their captions.
    p.origin = ConfigOrigin::OriginMaster;
    EXPECT_TRUE(configurationReportRefusal(Connected, p, 0x82));
    p.modified = false;
    EXPECT_TRUE(configurationReportRefusal(Connected, p, 0x82));
    EXPECT_EQ(configurationReportRefusal(Connected, p, 0x02), std::nullopt);

    LinkShared link;
    Workspace workspace;
    ReportCommands commands(link, workspace, viewer, dialogs, nullptr,
                            [] { return QDateTime(QDate(2024, 3, 5), QTime(8, 30, 15)); });
    link.connectionState = Searching;
    commands.showStatusReport({});
    commands.showTimerReport();
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_FALSE(viewer.isVisible());

    link.connectionState = Connected;
    link.withStatus([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 0x83; });
    applyUploadCompleted(workspace.provenance(), 0x83, 0);
    commands.showIoCardReport();
    // No box, and the viewer shown at the report's own width.
    EXPECT_EQ(std::tuple(dialogs.warnings.size(), viewer.isVisible(), viewer.width()), std::tuple(2u, true, 800));
}

} // namespace q7582
