#include "ui/main/RecordCommand.h"

#include "link/LinkShared.h"
#include "recorder/RecordingFiles.h"
#include "recorder/RecordingWriter.h"
#include "settings/NameTables.h"
#include "ui/main/ClickLabel.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace q7582 {

RecordCommand::RecordCommand(LinkShared& shared, const NameTables& names, QMainWindow* window)
    : QObject(window), shared_(shared), names_(names), action_(new QAction(tr("Rec&ord"), window)),
      text_(new ClickLabel(window->statusBar(), false)), tick_(new QTimer(this))
{
    action_->setObjectName(QStringLiteral("Record1"));
    action_->setCheckable(true);
    QMenuBar* bar = window->menuBar();
    bar->insertAction(bar->findChild<QAction*>(QStringLiteral("Exit1")), action_);
    connect(action_, &QAction::triggered, this, [this](bool on) { on ? start() : stop(); });
    text_->setObjectName(QStringLiteral("RecordingText"));
    window->statusBar()->addPermanentWidget(text_);
    text_->hide();
    connect(text_, &ClickLabel::mousePressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton && openTimeline_ && !shownPath_.isEmpty())
            openTimeline_(shownPath_);
    });
    tick_->setInterval(1000);
    connect(tick_, &QTimer::timeout, this, &RecordCommand::showProgress);
}

RecordCommand::~RecordCommand() { shared_.tap.attach(nullptr); }

void RecordCommand::start()
{
    if (writer_)
        return;
    QString error;
    const QString path = newRecordingPath(&error);
    if (!path.isEmpty())
        writer_ =
            RecordingWriter::create(path, {QDir::current().dirName(), QString::fromStdString(names_.asText())}, &error);
    if (!writer_) {
        finish(tr("Not recording: %1").arg(error));
        return;
    }
    shared_.tap.attach(writer_.get());
    action_->setChecked(true);
    shownPath_ = QDir::current().absoluteFilePath(path);
    text_->setToolTip(tr("%1\nClick to open it in a timeline window").arg(shownPath_));
    text_->show();
    showProgress();
    tick_->start();
}

void RecordCommand::stop()
{
    if (!writer_)
        return;
    shared_.tap.attach(nullptr);
    writer_->stop();
    finish(writer_->failed() ? writer_->failure()
                             : tr("Recorded %1 reads into %2").arg(writer_->readsWritten()).arg(writer_->path()));
}

void RecordCommand::showProgress()
{
    if (writer_ && writer_->failed()) {
        stop();
        return;
    }
    if (writer_)
        text_->setText(recordingStatusText(tapNowMs() - writer_->startedMs(), writer_->bytesOnDisk()));
}

void RecordCommand::finish(const QString& said)
{
    tick_->stop();
    writer_.reset();
    action_->setChecked(false);
    text_->setText(said);
    text_->show();
}

} // namespace q7582
