#pragma once
// Opens a help topic by context number: in the chm viewer when the help file of the
// current language and the viewer are both there, else in the program's own help
// window on the topics of that language shipped with it. Any window can hold one.

#include "ui/common/HelpContexts.h"
#include "ui/help/HelpWindow.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QTextBrowser;
class QWidget;

namespace q7582 {

class HelpOpener {
public:
    // How the chm viewer is found and started; tests replace both.
    struct Platform {
        std::function<QString()> findViewer; // the viewer's path, empty when not installed
        std::function<bool(const QString& program, const QStringList& args)> startDetached;
        std::function<bool(const QString& path)> fileExists;
    };
    static Platform systemPlatform();

    // The help language in force: its chm file, and whether the built-in topics are Italian.
    struct Language {
        QString helpFile;
        bool italian = true;
    };

    enum class Shown { Viewer, Browser };

    // language: asked at every open.
    // owner: the window the help window belongs to and closes with (none: it stands alone).
    explicit HelpOpener(std::function<Language()> language, Platform platform = systemPlatform(),
                        QWidget* owner = nullptr);
    ~HelpOpener();
    HelpOpener(const HelpOpener&) = delete;
    HelpOpener& operator=(const HelpOpener&) = delete;

    // Opened from a modal window (the editor, the compiler), the help window opens over
    // it and stays usable while it runs.
    Shown open(int context);

    // The help window and its browser, once it has been opened.
    HelpWindow* window() const { return window_; }
    QTextBrowser* browser() const;

private:
    void showWindow(int context, bool italian);

    std::function<Language()> language_;
    Platform platform_;
    QPointer<QWidget> owner_;
    QPointer<HelpWindow> window_;
};

} // namespace q7582
