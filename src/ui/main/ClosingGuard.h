#pragma once
// Whether a request to close the main window may close it now. A running transfer is
// let finish (the window closes when it ends, or after FallbackMs whatever happens); a
// second request while waiting asks whether to cut it; an unsaved configuration is
// asked about first. No widget: the questions and the notice go through hooks.

#include "link/LinkShared.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace q7582 {

// User: the close button, Alt+F4, "Exit"; may be asked. Session: a termination signal
// or the end of the session; nobody is there to answer, so nothing is asked.
enum class CloseSource { User, Session };

inline constexpr const char* ClosingNotice =
    QT_TRANSLATE_NOOP("ClosingGuard", "Closing when the transfer has finished");
// Cutting the transfer being waited for, by what it leaves behind.
inline constexpr const char* ForceCloseQuestion =
    QT_TRANSLATE_NOOP("ClosingGuard", "The master will be left with a partial configuration. Close anyway?");
inline constexpr const char* CutUploadQuestion = QT_TRANSLATE_NOOP(
    "ClosingGuard", "The Upload will stop: the configuration in memory stays as it was. Close anyway?");
inline constexpr const char* CutGeneratorTransferQuestion =
    QT_TRANSLATE_NOOP("ClosingGuard", "The message generator will not get what is being sent. Close anyway?");
inline constexpr const char* UnsavedCloseQuestion =
    QT_TRANSLATE_NOOP("ClosingGuard", "The configuration was changed and not saved. Close anyway?");

class ClosingGuard : public QObject {
public:
    static constexpr int FallbackMs = 15000;

    struct Hooks {
        std::function<bool()> configurationUnsaved;
        std::function<bool(const QString&)> confirm; // a Yes/No question, default No
        std::function<void(const QString&)> notice;  // a line in the status bar
        std::function<void()> closeWindow;           // closes the window once it may
    };

    ClosingGuard(LinkShared& shared, Hooks hooks, QObject* parent = nullptr);

    // True: the window may close now. False: it stays, closing later by itself if a
    // transfer is being waited for.
    bool allowClose(CloseSource source);
    // The worker ended a transfer (inside its synchronised call): a waiting close
    // goes on once the call has returned.
    void transferEnded();
    bool waitingForTransfer() const { return waiting_; }

private:
    void closeAnyway();
    QString cutQuestion() const;

    LinkShared& shared_;
    Hooks hooks_;
    QTimer fallback_;
    bool waiting_ = false;
    bool approved_ = false;
};

} // namespace q7582
