#pragma once
// Opens recordings in timeline windows: "Report" > "Timeline..." asks for one in the
// site's recordings folder; a recording named on the command line is opened directly.
// A file that is not a recording is refused in the "Errore" box with the reader's reason.

#include "reports/ReportLine.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace q7582 {

class DialogProvider;
class TimelineWindow;

inline constexpr const char* RecordingFilter = "Recordings (*.q7582rec);;All files (*)";
inline constexpr const char* RecordingSuffix = ".q7582rec";

class TimelineOpener : public QObject {
    Q_OBJECT
public:
    // window: the parent of the timeline windows and of the boxes.
    TimelineOpener(DialogProvider& dialogs, QWidget* window);

    // F1 in a timeline window opens its topic through it.
    void setHelpHook(std::function<void(int)> hook) { helpHook_ = std::move(hook); }
    // A timeline's commissioning record is shown through it.
    void setReportHook(std::function<void(const Report&)> hook) { reportHook_ = std::move(hook); }

    void chooseAndOpen();
    // The window shown, or null when the file was refused.
    TimelineWindow* open(const QString& path);

private:
    DialogProvider& dialogs_;
    QWidget* window_;
    std::function<void(int)> helpHook_;
    std::function<void(const Report&)> reportHook_;
};

} // namespace q7582
