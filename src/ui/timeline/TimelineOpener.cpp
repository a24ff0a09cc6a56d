#include "ui/timeline/TimelineOpener.h"

#include "recorder/RecordingFiles.h"
#include "ui/common/DialogProvider.h"
#include "ui/timeline/TimelineWindow.h"

#include <QDir>

namespace q7582 {

TimelineOpener::TimelineOpener(DialogProvider& dialogs, QWidget* window)
    : QObject(window), dialogs_(dialogs), window_(window)
{
}

void TimelineOpener::chooseAndOpen()
{
    const QString folder = QDir(QLatin1String(RecordingsFolder)).exists() ? QLatin1String(RecordingsFolder) : QString();
    const QString path =
        dialogs_.getOpenFileName(window_, tr("Open recording"), folder, QLatin1String(RecordingFilter));
    if (!path.isEmpty())
        open(path);
}

TimelineWindow* TimelineOpener::open(const QString& path)
{
    QString error;
    std::unique_ptr<RecordingReader> reader = RecordingReader::open(path, &error);
    if (!reader) {
        dialogs_.error(window_, error); // the reason names the file
        return nullptr;
    }
    auto* window = new TimelineWindow(std::move(reader), dialogs_, window_);
    window->setHelpHook(helpHook_);
    window->setReportHook(reportHook_);
    window->show();
    return window;
}

} // namespace q7582
