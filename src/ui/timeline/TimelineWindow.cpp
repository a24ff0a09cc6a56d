#include "ui/timeline/TimelineWindow.h"

#include "recorder/RecordingFiles.h"
#include "recordingreports/CommissioningRecord.h"
#include "recordingreports/TimelineNavigation.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/HelpContexts.h"
#include "ui/common/ScreenFit.h"
#include "ui/main/MasterPageView.h"
#include "ui/timeline/TimelinePlot.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace q7582 {

namespace {

QString timeText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString lengthText(qint64 ms)
{
    if (ms < 60000)
        return QStringLiteral("%1 s").arg(double(ms) / 1000, 0, 'f', ms < 10000 ? 1 : 0);
    return durationText(ms);
}

} // namespace

TimelineWindow::TimelineWindow(std::unique_ptr<RecordingReader> reader, DialogProvider& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), reader_(std::move(reader)), dialogs_(dialogs), states_(*reader_),
      summaries_(*reader_), lanes_(recordingLanes(namesFromText(reader_->meta().names))), shown_(lanes_.size(), true)
{
    setObjectName(QStringLiteral("TimelineWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString site = reader_->meta().siteName;
    setWindowTitle(
        tr("%1%2 - Timeline")
            .arg(QFileInfo(reader_->path()).fileName(), site.isEmpty() ? QString() : QStringLiteral(" - ") + site));
    buildControls();
    applyShown();
    followTimer_ = new QTimer(this);
    followTimer_->setObjectName(QStringLiteral("FollowTimer"));
    followTimer_->setInterval(FollowIntervalMs);
    connect(followTimer_, &QTimer::timeout, this, &TimelineWindow::follow);
    followTimer_->start();
    showView();
    plot_->setCursor(reader_->span().firstMs);
    // Its panes scroll: it takes what the screen has up to a comfortable size.
    resize(QSize(1280, 900).boundedTo(roomOnScreen(*this)));
}

TimelineWindow::~TimelineWindow() = default;

void TimelineWindow::buildControls()
{
    auto* top = new QHBoxLayout;
    previous_ = new QPushButton(tr("&Previous change"), this);
    previous_->setObjectName(QStringLiteral("PreviousChange"));
    next_ = new QPushButton(tr("&Next change"), this);
    next_->setObjectName(QStringLiteral("NextChange"));
    auto* whole = new QPushButton(tr("&Whole recording"), this);
    whole->setObjectName(QStringLiteral("WholeRecording"));
    viewLabel_ = new QLabel(this);
    viewLabel_->setObjectName(QStringLiteral("ViewSpan"));
    cursorLabel_ = new QLabel(this);
    cursorLabel_->setObjectName(QStringLiteral("CursorTime"));
    cursorLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* record = new QPushButton(tr("&Commissioning record"), this);
    record->setObjectName(QStringLiteral("CommissioningRecord"));
    record->setToolTip(tr("What followed each input that went on in the span in view"));
    for (QPushButton* w : {previous_, next_, whole, record})
        top->addWidget(w);
    top->addWidget(viewLabel_, 1);

    laneList_ = new QListWidget(this);
    laneList_->setObjectName(QStringLiteral("TimelineLanes"));
    for (const Lane& lane : lanes_) {
        auto* item = new QListWidgetItem(lane.name, laneList_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
        item->setToolTip(laneGroupName(lane.group));
    }
    laneList_->setMaximumWidth(220);

    plot_ = new TimelinePlot(*reader_, summaries_, lanes_, this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("TimelineScroll"));
    scroll->setWidget(plot_);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    statusView_ = new MasterPageView(this);
    if (parentWidget()) // the main window's font, which its panels are laid out for
        statusView_->setFont(parentWidget()->font());
    statusView_->showNames(namesFromText(reader_->meta().names));
    auto* statusScroll = new QScrollArea(this);
    statusScroll->setObjectName(QStringLiteral("CursorStatus"));
    statusScroll->setWidget(statusView_);
    auto* statusBox = new QWidget(this);
    auto* statusLayout = new QVBoxLayout(statusBox);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->addWidget(cursorLabel_);
    statusLayout->addWidget(statusScroll, 1);

    auto* lanesAndPlot = new QSplitter(Qt::Horizontal, this);
    lanesAndPlot->addWidget(laneList_);
    lanesAndPlot->addWidget(scroll);
    lanesAndPlot->setStretchFactor(1, 1);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(lanesAndPlot);
    split->addWidget(statusBox);
    split->setStretchFactor(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);

    connect(previous_, &QPushButton::clicked, this, &TimelineWindow::previousChange);
    connect(next_, &QPushButton::clicked, this, &TimelineWindow::nextChange);
    connect(whole, &QPushButton::clicked, this, [this] { plot_->setView(wholeView(reader_->span())); });
    connect(record, &QPushButton::clicked, this, &TimelineWindow::showCommissioningRecord);
    connect(plot_, &TimelinePlot::cursorMoved, this, &TimelineWindow::showCursor);
    connect(plot_, &TimelinePlot::viewChanged, this, &TimelineWindow::showView);
    connect(plot_, &TimelinePlot::laneSelected, this, [this](int lane) {
        previous_->setEnabled(lane >= 0);
        next_->setEnabled(lane >= 0);
        laneList_->setCurrentRow(lane);
    });
    laneMenu_ = new QMenu(this);
    hideLane_ = laneMenu_->addAction(tr("&Hide lane"));
    hideLane_->setObjectName(QStringLiteral("HideLane"));
    connect(hideLane_, &QAction::triggered, this, [this] { setLaneShown(menuLane_, false); });
    QAction* all = laneMenu_->addAction(tr("&Show all lanes"));
    all->setObjectName(QStringLiteral("ShowAllLanes"));
    connect(all, &QAction::triggered, this, &TimelineWindow::showAllLanes);
    connect(plot_, &TimelinePlot::laneMenuRequested, this, &TimelineWindow::laneMenu);
    connect(laneList_, &QListWidget::itemChanged, this, &TimelineWindow::laneItemChanged);
    connect(laneList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != plot_->selectedLane() && row >= 0 && shown_[std::size_t(row)])
            plot_->selectLane(row);
    });
    previous_->setEnabled(false);
    next_->setEnabled(false);

    auto* help = new QAction(tr("Help"), this);
    help->setObjectName(QStringLiteral("TimelineHelp"));
    help->setShortcut(Qt::Key_F1);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] {
        if (helpHook_)
            helpHook_(HelpContext::TimelineWindow);
    });
}

void TimelineWindow::showCommissioningRecord()
{
    const ViewSpan view = plot_->view();
    QString error;
    const auto activations = collectActivations(states_, view.fromMs, view.toMs, &error);
    if (!activations) {
        dialogs_.error(this, tr("The commissioning record could not be made:\n%1").arg(error));
        return;
    }
    if (reportHook_)
        reportHook_(commissioningReport(*activations, namesFromText(reader_->meta().names), view.fromMs, view.toMs,
                                        QDateTime::currentDateTime()));
}

void TimelineWindow::applyShown()
{
    std::vector<int> lanes;
    for (std::size_t k = 0; k < lanes_.size(); ++k)
        if (shown_[k])
            lanes.push_back(int(k));
    plot_->setShownLanes(std::move(lanes));
}

void TimelineWindow::setLaneShown(int lane, bool shown)
{
    laneList_->item(lane)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
}

void TimelineWindow::showAllLanes()
{
    for (int k = 0; k < laneList_->count(); ++k)
        laneList_->item(k)->setCheckState(Qt::Checked);
}

void TimelineWindow::laneItemChanged(QListWidgetItem* item)
{
    const int lane = laneList_->row(item);
    const bool shown = item->checkState() == Qt::Checked;
    if (shown_[std::size_t(lane)] == shown)
        return;
    shown_[std::size_t(lane)] = shown;
    applyShown();
}

void TimelineWindow::laneMenu(int lane, const QPoint& at)
{
    menuLane_ = lane;
    hideLane_->setEnabled(lane >= 0);
    laneMenu_->popup(at);
}

void TimelineWindow::showCursor(qint64 ms)
{
    cursorStatus_ = reader_->statusAt(ms);
    if (!reader_->damage().isEmpty() && !damageTold_) {
        damageTold_ = true;
        dialogs_.error(this, reader_->damage());
    }
    statusView_->showStatus(cursorStatus_.master, cursorStatus_.device == RecordedDevice::Master);
    // What the panels do not show: the connection, the clock's offset, the source and message.
    const RecordedState state = stateOf(cursorStatus_, ms);
    QStringList parts{timeText(ms)};
    for (const Lane& lane : lanes_)
        if (lane.group == LaneGroup::Connection || lane.group == LaneGroup::Clock || lane.group == LaneGroup::Source)
            parts << QStringLiteral("%1: %2").arg(lane.name, laneValueText(lane, laneValue(lane, state)));
    cursorLabel_->setText(parts.join(QStringLiteral("    ")));
}

void TimelineWindow::showView()
{
    const ViewSpan& v = plot_->view();
    viewLabel_->setText(tr("%1 to %2 (%3 of %4)")
                            .arg(timeText(v.fromMs), timeText(v.toMs), lengthText(v.length()),
                                 lengthText(wholeView(reader_->span()).length())));
}

void TimelineWindow::moveCursorTo(const std::optional<qint64>& ms, const QString& error)
{
    if (!error.isEmpty())
        dialogs_.error(this, error);
    if (!ms)
        return;
    const ViewSpan& v = plot_->view();
    if (*ms < v.fromMs || *ms > v.toMs)
        plot_->pan(*ms - (v.fromMs + v.length() / 2));
    plot_->setCursor(*ms);
}

void TimelineWindow::nextChange()
{
    QString error;
    const int lane = plot_->selectedLane();
    if (lane >= 0)
        moveCursorTo(q7582::nextChange(states_, lanes_, lane, plot_->cursorMs(), reader_->span(), &error), error);
}

void TimelineWindow::previousChange()
{
    QString error;
    const int lane = plot_->selectedLane();
    if (lane >= 0)
        moveCursorTo(q7582::previousChange(states_, lanes_, lane, plot_->cursorMs(), reader_->span(), &error), error);
}

void TimelineWindow::follow()
{
    const TimeSpan before = reader_->span();
    if (!reader_->refresh())
        return;
    summaries_.reload();
    plot_->recordingGrew(before);
    showView();
}

} // namespace q7582
