#include "ui/main/RecentFilesMenu.h"

#include "model/FileIo.h"
#include "model/FilePath.h"
#include "ui/main/ConfigCommands.h"

#include <QMenu>

namespace q7582 {

RecentFilesMenu::RecentFilesMenu(QMenu* config, ConfigCommands& commands)
    : QObject(config), menu_(config->addMenu(tr("&Recent Files"))), commands_(commands)
{
    menu_->setObjectName(QStringLiteral("RecentFiles1"));
    connect(menu_, &QMenu::aboutToShow, this, &RecentFilesMenu::refill);
    refill();
}

void RecentFilesMenu::refill()
{
    menu_->clear();
    const std::vector<std::string> names = commands_.recentFiles().names();
    if (names.empty())
        menu_->addAction(tr("(none)"))->setEnabled(false);
    int n = 0;
    for (const std::string& path : names) {
        const QString name = fileNameFromPath(path);
        QString text =
            QStringLiteral("&%1 ").arg(++n % 10) + QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (!fileExists(path))
            text += tr(" (missing)");
        QAction* a = menu_->addAction(text);
        a->setObjectName(QStringLiteral("RecentFile%1").arg(n));
        connect(a, &QAction::triggered, &commands_, [this, name] { commands_.openRecent(name); });
    }
}

} // namespace q7582
