#include "ui/help/HelpOpener.h"

#include "ui/help/HelpTopics.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>

namespace q7582 {

HelpOpener::Platform HelpOpener::systemPlatform()
{
    return {
        [] { return QStandardPaths::findExecutable(QStringLiteral("xchm")); },
        [](const QString& program, const QStringList& args) { return QProcess::startDetached(program, args); },
        [](const QString& path) { return QFileInfo(path).isFile(); },
    };
}

HelpOpener::HelpOpener(std::function<Language()> language, Platform platform, QWidget* owner)
    : language_(std::move(language)), platform_(std::move(platform)), owner_(owner)
{
}

// The opener owns the window whichever window it is lent to; deleting it here, before
// the owner deletes its children, also ends a loan.
HelpOpener::~HelpOpener() { delete window_; }

QTextBrowser* HelpOpener::browser() const { return window_ ? window_->browser() : nullptr; }

HelpOpener::Shown HelpOpener::open(int context)
{
    const Language language = language_();
    if (helpTopics::inHelpFile(context) && platform_.fileExists(language.helpFile)) {
        const QString viewer = platform_.findViewer();
        if (!viewer.isEmpty()
            && platform_.startDetached(viewer, {QStringLiteral("--contextid=%1").arg(context), language.helpFile}))
            return Shown::Viewer;
    }
    showWindow(context, language.italian);
    return Shown::Browser;
}

void HelpOpener::showWindow(int context, bool italian)
{
    if (!window_)
        window_ = new HelpWindow(owner_);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == window_)
        modal = nullptr;
    if (modal)
        window_->lendTo(modal);
    if (!window_->isVisible()) {
        if (modal)
            window_->placeOver(modal);
        else if (!window_->placed() && owner_)
            window_->placeBeside(owner_);
    }
    window_->showTopic(helpTopics::topicUrl(context, italian), helpTopics::topicUrl(HelpContext::Contents, italian));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace q7582
