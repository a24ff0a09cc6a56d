#include "ui/main/HelpOpener.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

// Resources in a static library are pulled in only when referenced.
static void initHelpTopics() { Q_INIT_RESOURCE(help); }

namespace q7582 {

HelpOpener::Platform HelpOpener::systemPlatform()
{
    return {
        [] { return QStandardPaths::findExecutable(QStringLiteral("xchm")); },
        [](const QString& program, const QStringList& args) { return QProcess::startDetached(program, args); },
        [](const QString& path) { return QFileInfo(path).isFile(); },
    };
}

HelpOpener::HelpOpener(std::function<QString()> helpFile, Platform platform, QWidget* browserParent)
    : helpFile_(std::move(helpFile)), platform_(std::move(platform)), browserParent_(browserParent)
{
}

HelpOpener::~HelpOpener()
{
    if (browser_ && !browser_->parent())
        delete browser_;
}

QString HelpOpener::topicUrl(int context)
{
    static const bool registered = (initHelpTopics(), true);
    Q_UNUSED(registered);
    const QString path = QStringLiteral(":/help/%1.html").arg(context);
    if (QFile::exists(path))
        return QStringLiteral("qrc") + path;
    return QStringLiteral("qrc:/help/%1.html").arg(HelpContext::Contents);
}

HelpOpener::Shown HelpOpener::open(int context)
{
    const QString file = helpFile_();
    if (platform_.fileExists(file)) {
        const QString viewer = platform_.findViewer();
        if (!viewer.isEmpty() && platform_.startDetached(viewer, {QStringLiteral("--contextid=%1").arg(context), file}))
            return Shown::Viewer;
    }
    if (!browser_) {
        browser_ = new QTextBrowser(browserParent_);
        browser_->setWindowFlag(Qt::Window);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setWindowTitle(QStringLiteral("Q7582 Manager Help"));
        browser_->setOpenLinks(true);
        browser_->resize(560, 480);
    }
    browser_->setSource(QUrl(topicUrl(context)));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
    return Shown::Browser;
}

} // namespace q7582
