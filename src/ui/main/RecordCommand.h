#pragma once
// "Rec&ord" (`Record1`, in the menu bar before "E&xit"): starts and stops a recording of the
// link (recorder/RecordingWriter on LinkShared::tap) into the site's recordings/. While it
// records, `RecordingText` in the status bar says for how long and how large; a write that
// fails (disk full, folder read-only) stops it there with the reason, and polling goes on.
// A click on that text opens the recording it names in a timeline window, also in
// generator mode, where the "&Report" menu is disabled.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QTimer;

namespace q7582 {

class ClickLabel;
class LinkShared;
class NameTables;
class RecordingWriter;

class RecordCommand : public QObject {
    Q_OBJECT
public:
    RecordCommand(LinkShared& shared, const NameTables& names, QMainWindow* window);
    ~RecordCommand() override; // stops a recording

    bool recording() const { return writer_ != nullptr; }
    void start();
    void stop();
    // Shows a recording, given its path, in a timeline window.
    void setTimelineOpener(std::function<void(const QString&)> open) { openTimeline_ = std::move(open); }

private:
    void showProgress();
    void finish(const QString& said);

    LinkShared& shared_;
    const NameTables& names_;
    QAction* action_;
    ClickLabel* text_;
    QTimer* tick_;
    std::unique_ptr<RecordingWriter> writer_;
    QString shownPath_; // the recording the text names
    std::function<void(const QString&)> openTimeline_;
};

} // namespace q7582
