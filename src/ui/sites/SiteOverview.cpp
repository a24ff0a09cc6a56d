#include "ui/sites/SiteOverview.h"

#include "history/ConfigFiles.h"
#include "model/ConfigFile.h"
#include "model/FilePath.h"
#include "reports/ConfigurationComparison.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/Workspace.h"
#include "ui/reports/ReportViewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q7582 {

namespace {

QString entryText(const std::optional<HistoryEntry>& entry)
{
    if (!entry || !entry->name)
        return QStringLiteral("-");
    const HistoryName& n = *entry->name;
    return n.date.toString(QStringLiteral("dd/MM/yyyy")) + u' ' + n.time.toString(QStringLiteral("HH:mm:ss"))
           + (n.partial ? SiteOverview::tr(" (partial)") : QString());
}

QPushButton* addButton(QHBoxLayout* row, const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    row->addWidget(b);
    return b;
}

} // namespace

SiteOverview::SiteOverview(Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs, Hooks hooks,
                           QWidget* parent)
    : QDialog(parent), workspace_(workspace), viewer_(viewer), dialogs_(dialogs), hooks_(std::move(hooks)),
      table_(new QTableWidget(0, 5))
{
    setObjectName(QStringLiteral("SiteOverview"));
    setWindowTitle(tr("Site Overview"));
    table_->setObjectName(QStringLiteral("OverviewList"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Master"), tr("Newest Upload"), tr("Newest Download"), tr("Differences"), tr("Connected")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QHBoxLayout;
    open_ = addButton(buttons, tr("&Open"), "OverviewOpen");
    compare_ = addButton(buttons, tr("&Compare"), "OverviewCompare");
    buttons->addStretch();
    connect(addButton(buttons, tr("Close"), "OverviewClose"), &QPushButton::clicked, this, &QDialog::reject);
    connect(open_, &QPushButton::clicked, this, &SiteOverview::openRow);
    connect(compare_, &QPushButton::clicked, this, &SiteOverview::compareRow);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
        const MasterOverviewRow* row = selectedRow();
        open_->setEnabled(row && (row->newestUpload || row->newestDownload));
        compare_->setEnabled(open_->isEnabled());
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(640, 280);
}

void SiteOverview::reload()
{
    std::vector<HistoryEntry> entries;
    // By the names: only the two entries a row shows are read.
    dialogs_.fileError(this, workspace_.history().listNames(entries));
    rows_ = siteOverview(workspace_.history(), entries);
    const std::optional<int> connected = hooks_.connectedMaster();
    table_->setRowCount(int(rows_.size()));
    for (int r = 0; r < int(rows_.size()); ++r) {
        const MasterOverviewRow& row = rows_[std::size_t(r)];
        const QString cells[] = {QString::number(row.master), entryText(row.newestUpload),
                                 entryText(row.newestDownload),
                                 row.differences ? QString::number(*row.differences) : QStringLiteral("-"),
                                 connected == row.master ? tr("connected") : QString()};
        for (int c = 0; c < 5; ++c)
            table_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table_->clearSelection();
    open_->setEnabled(false);
    compare_->setEnabled(false);
}

const MasterOverviewRow* SiteOverview::selectedRow() const
{
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    if (items.isEmpty())
        return nullptr;
    return &rows_[std::size_t(items.first()->row())];
}

// The newer of the row's two entries.
void SiteOverview::openRow()
{
    const MasterOverviewRow* row = selectedRow();
    if (!row)
        return;
    const std::optional<HistoryEntry>& upload = row->newestUpload;
    const std::optional<HistoryEntry>& download = row->newestDownload;
    const HistoryEntry& newest =
        !download || (upload && upload->name && download->name && *download->name < *upload->name) ? *upload
                                                                                                   : *download;
    accept();
    hooks_.open(fileNameFromPath(workspace_.history().pathOf(newest.fileName)));
}

void SiteOverview::compareRow()
{
    const MasterOverviewRow* row = selectedRow();
    if (!row)
        return;
    const auto read = [this](const HistoryEntry& entry, ConfigImage& image) {
        const FileResult result = readWholeImage(workspace_.history().pathOf(entry.fileName), image);
        dialogs_.fileError(this, result);
        return result.ok;
    };
    ConfigImage from, to;
    const std::optional<HistoryEntry>& first = row->newestUpload ? row->newestUpload : row->newestDownload;
    if (!read(*first, from))
        return;
    QString toName = configurationDescription(workspace_.provenance());
    to = workspace_.config();
    if (row->newestUpload && row->newestDownload) {
        if (!read(*row->newestDownload, to))
            return;
        toName = QString::fromStdString(row->newestDownload->fileName);
    }
    viewer_.showReport(
        compareConfigurations({from, QString::fromStdString(first->fileName)}, {to, toName}, workspace_.names())
            .report);
}

} // namespace q7582
