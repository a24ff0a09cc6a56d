#pragma once
// Opens a help topic by context number: in the chm viewer when the help file of the
// current language and the viewer are both there, else in the program's own help
// browser on the topics shipped with it. Any window can hold one.

#include "ui/common/HelpContexts.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <functional>

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

    enum class Shown { Viewer, Browser };

    // helpFile: the help file of the language in force, asked at every open.
    // browserParent: the window the built-in browser closes with (none: it stands alone).
    explicit HelpOpener(std::function<QString()> helpFile, Platform platform = systemPlatform(),
                        QWidget* browserParent = nullptr);
    ~HelpOpener();
    HelpOpener(const HelpOpener&) = delete;
    HelpOpener& operator=(const HelpOpener&) = delete;

    Shown open(int context);

    // The built-in browser, once it has been opened.
    QTextBrowser* browser() const { return browser_; }
    // The resource holding the built-in topic of a context (the contents for an unknown one).
    static QString topicUrl(int context);

private:
    std::function<QString()> helpFile_;
    Platform platform_;
    QWidget* browserParent_;
    QPointer<QTextBrowser> browser_;
};

} // namespace q7582
