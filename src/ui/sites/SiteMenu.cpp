#include "ui/sites/SiteMenu.h"

#include "model/FilePath.h"
#include "sites/SiteFolder.h"
#include "sites/SiteSession.h"
#include "ui/common/AskUntilValid.h"

#include <QMenu>
#include <QMenuBar>

namespace q7582 {

namespace {

QAction* addItem(QMenu* menu, const QString& caption, const char* name)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

QString askNewSite(DialogProvider& dialogs, QWidget* window, const QString& parent)
{
    const std::optional<QString> name = askUntilValid(
        dialogs, window, SiteMenu::tr("New Site"), SiteMenu::tr("Name of the new site (one installation):"), QString(),
        [](const QString& entry) { return siteNameProblem(entry).isEmpty() ? std::optional(entry) : std::nullopt; },
        [](const QString& entry) { return siteNameProblem(entry); });
    if (!name)
        return {};
    const NewSite made = createSite(parent, *name);
    dialogs.fileError(window, made.result);
    return made.folder;
}

SiteMenu::SiteMenu(QMenuBar* bar, SiteSession& session, DialogProvider& dialogs, QWidget* window, Hooks hooks)
    : QObject(window), session_(session), dialogs_(dialogs), window_(window), hooks_(std::move(hooks)),
      menu_(new QMenu(tr("&Site"), bar))
{
    menu_->setObjectName(QStringLiteral("Site1"));
    const QMenu* helpLanguage = bar->findChild<QMenu*>(QStringLiteral("HelpLanguage1"));
    bar->insertMenu(helpLanguage ? helpLanguage->menuAction() : nullptr, menu_);
    connect(addItem(menu_, tr("&New Site..."), "NewSite1"), &QAction::triggered, this, &SiteMenu::newSite);
    connect(addItem(menu_, tr("&Open Site..."), "OpenSite1"), &QAction::triggered, this, &SiteMenu::openSite);
    menu_->addSeparator();
    recentEnd_ = menu_->addSeparator();
    connect(addItem(menu_, tr("Open Site &Folder"), "OpenSiteFolder1"), &QAction::triggered, this,
            &SiteMenu::openFolder);
    connect(addItem(menu_, tr("O&verview"), "Overview1"), &QAction::triggered, this, [this] { hooks_.overview(); });
    connect(menu_, &QMenu::aboutToShow, this, &SiteMenu::refill);
    refill();
}

void SiteMenu::refill()
{
    for (QAction* a : menu_->actions())
        if (a->objectName().startsWith(QLatin1String("RecentSite")))
            delete a;
    int n = 0;
    for (const KnownSite& site : session_.known().list()) {
        if (n == RecentShown)
            break;
        QString text = QStringLiteral("&%1 ").arg(++n % 10) + QString(site.name).replace(u'&', QStringLiteral("&&"));
        if (!site.present)
            text += QStringLiteral(" (%1)").arg(site.problem);
        auto* a = new QAction(text, menu_);
        a->setObjectName(QStringLiteral("RecentSite%1").arg(n));
        a->setToolTip(site.folder);
        menu_->insertAction(recentEnd_, a);
        connect(a, &QAction::triggered, this,
                [this, folder = site.folder, problem = site.problem] { openRecent(folder, problem); });
    }
}

void SiteMenu::newSite()
{
    const QString folder = askNewSite(dialogs_, window_, sitesHome());
    if (!folder.isEmpty())
        hooks_.switchTo(folder);
}

void SiteMenu::openSite()
{
    const QString folder = dialogs_.getExistingDirectory(window_, tr("Open Site"));
    if (!folder.isEmpty())
        hooks_.switchTo(folder);
}

void SiteMenu::openRecent(const QString& folder, const QString& problem)
{
    if (problem.isEmpty()) {
        hooks_.switchTo(folder);
        return;
    }
    if (dialogs_.yesNo(window_, tr("Site"),
                       tr("The site %1 is %2. Remove it from the recent sites?").arg(folder, problem)))
        dialogs_.fileError(window_, session_.known().remove(folder));
}

void SiteMenu::openFolder()
{
    if (!hooks_.openUrl(fileUrl(filePath(session_.folder()))))
        dialogs_.warning(window_, tr("Site"), tr("The file manager could not open %1").arg(session_.folder()));
}

} // namespace q7582
