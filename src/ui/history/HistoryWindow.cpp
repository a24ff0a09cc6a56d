#include "ui/history/HistoryWindow.h"

#include "history/ConfigFiles.h"
#include "history/HistoryRows.h"
#include "model/ConfigFile.h"
#include "model/FilePath.h"
#include "reports/ConfigurationComparison.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/HelpContexts.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/common/WindowHelp.h"
#include "ui/common/Workspace.h"
#include "ui/reports/ReportViewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace q7582 {

namespace {

enum Column { DateColumn, MasterColumn, DirectionColumn, PartialColumn, DifferencesColumn, FileColumn, Columns };

// Widths from the longest texts, so that a thousand rows need not be measured.
void setColumnWidths(QTableWidget& list)
{
    const QFontMetrics metrics(list.font());
    const auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text) + 16; };
    list.setColumnWidth(DateColumn, width(QStringLiteral("00/00/0000 00:00.00")));
    list.setColumnWidth(MasterColumn, width(QStringLiteral("Master")));
    list.setColumnWidth(DirectionColumn, width(QStringLiteral("Download")));
    list.setColumnWidth(PartialColumn, width(QCoreApplication::translate("HistoryRows", "partial")));
    list.setColumnWidth(DifferencesColumn, width(HistoryWindow::tr("Differences")));
}

QTableWidgetItem* cell(const QString& text, const HistoryRow& row)
{
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(row.problem.isEmpty() ? row.fileName : row.fileName + QLatin1Char('\n') + row.problem);
    if (!row.problem.isEmpty())
        item->setFlags(Qt::ItemIsEnabled); // listed, never selected, so never loaded
    return item;
}

} // namespace

HistoryWindow::HistoryWindow(Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs, QWidget* parent,
                             UrlOpener openUrl)
    : QDialog(parent), workspace_(workspace), viewer_(viewer), dialogs_(dialogs),
      openUrl_(openUrl ? std::move(openUrl) : UrlOpener(&QDesktopServices::openUrl)),
      help_(new WindowHelp(*this, "HelpKey", [] { return HelpContext::HistoryWindow; }))
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("Configuration history"));
    buildControls();
    resize(780, 420);
}

void HistoryWindow::buildControls()
{
    list_ = new QTableWidget(0, Columns, this);
    list_->setObjectName(QStringLiteral("HistoryList"));
    list_->setHorizontalHeaderLabels(
        {tr("Date"), QStringLiteral("Master"), tr("Direction"), tr("Partial"), tr("Differences"), tr("File")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    setColumnWidths(*list_);
    connect(list_, &QTableWidget::itemSelectionChanged, this, &HistoryWindow::selectionChanged);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("HistorySummary"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeHelpButton(this, "BbHistory", HelpContext::HistoryWindow, HelpButtonLook::Framed));
    const auto addButton = [this, buttons](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        buttons->addWidget(b);
        return b;
    };
    open_ = addButton("HistoryOpen", tr("&Open"));
    compareMemory_ = addButton("HistoryCompareMemory", tr("Compare with &memory"));
    compareTwo_ = addButton("HistoryCompareEntries", tr("Compare &two"));
    QPushButton* folder = addButton("HistoryFolder", tr("Open &folder"));
    buttons->addStretch();
    QPushButton* close = addButton("HistoryClose", tr("&Close"));
    connect(open_, &QPushButton::clicked, this, &HistoryWindow::openEntry);
    connect(compareMemory_, &QPushButton::clicked, this, &HistoryWindow::compareWithMemory);
    connect(compareTwo_, &QPushButton::clicked, this, &HistoryWindow::compareEntries);
    connect(folder, &QPushButton::clicked, this, &HistoryWindow::openFolder);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(summary_);
    layout->addLayout(buttons);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false); // none is pressed by Enter
    selectionChanged();
    help_->connectButtons(list_);
}

void HistoryWindow::setHelpHook(std::function<void(int context)> hook) { help_->setOpener(std::move(hook)); }

void HistoryWindow::reload()
{
    entries_.clear();
    const FileResult listed = workspace_.history().list(entries_);
    list_->clearContents();
    list_->setRowCount(int(entries_.size()));
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const HistoryRow row = historyRow(entries_[i]);
        const int r = int(i);
        list_->setItem(r, DateColumn, cell(row.date, row));
        list_->setItem(r, MasterColumn, cell(row.master, row));
        list_->setItem(r, DirectionColumn, cell(row.direction, row));
        list_->setItem(r, PartialColumn, cell(row.partial, row));
        list_->setItem(r, DifferencesColumn, cell(row.differences, row));
        list_->setItem(r, FileColumn, cell(row.fileName, row));
    }
    summary_->setText(listed.ok ? tr("%1 entries in %2").arg(entries_.size()).arg(shownFolder())
                                : QString::fromStdString(listed.error));
    selectionChanged();
}

QString HistoryWindow::shownFolder() const
{
    return QDir(QString::fromStdString(workspace_.history().folder())).absolutePath();
}

int HistoryWindow::execHistory()
{
    reload();
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    return exec();
}

std::vector<const HistoryEntry*> HistoryWindow::selectedImages() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<const HistoryEntry*> selected;
    for (int r : rows)
        if (entries_[std::size_t(r)].readable())
            selected.push_back(&entries_[std::size_t(r)]);
    return selected;
}

void HistoryWindow::selectionChanged()
{
    const std::size_t selected = selectedImages().size();
    open_->setEnabled(selected == 1);
    compareMemory_->setEnabled(selected == 1);
    compareTwo_->setEnabled(selected == 2);
}

// Read again: the file may have changed since the list was made.
bool HistoryWindow::readEntry(const HistoryEntry& entry, ConfigImage& image)
{
    const FileResult read = readWholeImage(workspace_.history().pathOf(entry.fileName), image);
    dialogs_.fileError(this, read);
    return read.ok;
}

void HistoryWindow::openEntry()
{
    const std::vector<const HistoryEntry*> selected = selectedImages();
    ConfigImage image;
    if (selected.size() != 1
        || !mayReplaceConfiguration(dialogs_, this, workspace_.provenance(), QStringLiteral("Open"))
        || !readEntry(*selected[0], image))
        return;
    const ConfigFileContent content{std::string(reinterpret_cast<const char*>(image.data()), ConfigImage::Size),
                                    ConfigImage::Size};
    applyOpenedFile(workspace_.config(), workspace_.provenance(), workspace_.history().pathOf(selected[0]->fileName),
                    content);
    emit opened();
    accept();
}

void HistoryWindow::compareWithMemory()
{
    const std::vector<const HistoryEntry*> selected = selectedImages();
    ConfigImage image;
    if (selected.size() != 1 || !readEntry(*selected[0], image))
        return;
    viewer_.showReport(compareConfigurations({image, QString::fromStdString(selected[0]->fileName)},
                                             {workspace_.config(), configurationDescription(workspace_.provenance())},
                                             workspace_.names())
                           .report);
}

// The older entry (lower in the list) is the one compared from.
void HistoryWindow::compareEntries()
{
    const std::vector<const HistoryEntry*> selected = selectedImages();
    ConfigImage newer, older;
    if (selected.size() != 2 || !readEntry(*selected[0], newer) || !readEntry(*selected[1], older))
        return;
    viewer_.showReport(compareConfigurations({older, QString::fromStdString(selected[1]->fileName)},
                                             {newer, QString::fromStdString(selected[0]->fileName)}, workspace_.names())
                           .report);
}

void HistoryWindow::openFolder()
{
    const std::string& folder = workspace_.history().folder();
    // Made when missing: the user asked to see it, and entries may be dropped in. Both by
    // the folder's bytes: a name Qt decoded would reach no folder if they are not UTF-8.
    if (!makeFolder(folder).ok || !openUrl_(fileUrl(folder)))
        dialogs_.warning(this, tr("Configuration history"),
                         tr("The file manager could not open %1").arg(shownFolder()));
}

} // namespace q7582
