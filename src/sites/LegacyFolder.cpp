#include "sites/LegacyFolder.h"

#include "app/WorkingFolderLock.h"
#include "model/FilePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {

namespace {

bool isRealFolder(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool holdsAnyFile(const std::string& folder)
{
    std::vector<std::string> names;
    return listFolder(folder, names).ok && !names.empty();
}

bool isKnown(const KnownSites& known, const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    for (const KnownSite& site : known.list())
        if (QDir::cleanPath(site.folder) == clean)
            return true;
    return false;
}

// The first free "My site", "My site (2)"... under home.
QString freeTarget(const QString& home)
{
    for (int n = 1;; ++n) {
        const QString target = home + QLatin1Char('/') + QLatin1String(LegacySiteName)
                               + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n));
        struct stat st;
        if (::lstat(filePath(target).c_str(), &st) != 0)
            return target;
    }
}

// Moves legacy to target and leaves a link in its place; false (and nothing moved)
// when either step cannot be done, with the reason in why.
bool moveWithLink(const std::string& legacy, const std::string& target, std::string& why)
{
    if (::rename(legacy.c_str(), target.c_str()) != 0) {
        why = std::strerror(errno);
        return false;
    }
    if (::symlink(target.c_str(), legacy.c_str()) == 0)
        return true;
    why = std::strerror(errno);
    if (::rename(target.c_str(), legacy.c_str()) != 0) // put back: the old path must keep working
        why += std::string("; it stays at ") + target;
    return false;
}

} // namespace

QString legacyFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qs7582");
}

LegacyMigration adoptLegacyFolder(KnownSites& known, const QString& legacy, const QString& home)
{
    LegacyMigration migration;
    const std::string legacyPath = filePath(legacy);
    if (!isRealFolder(legacyPath) || !holdsAnyFile(legacyPath) || isKnown(known, legacy))
        return migration; // nothing there, already a link, or already a site
    migration.migrated = true;
    migration.folder = legacy;

    // A manager of the old version still running there keeps its folder.
    const std::unique_ptr<QLockFile> lock = tryLockWorkingFolder(legacy);
    std::string why =
        lock ? std::string() : QCoreApplication::translate("LegacyFolder", "another manager is using it").toStdString();
    if (lock) {
        if (!QDir().mkpath(home)) {
            why = filePath(home) + ": " + QCoreApplication::translate("LegacyFolder", "cannot be made").toStdString();
        } else {
            const QString target = freeTarget(home);
            if (moveWithLink(legacyPath, filePath(target), why))
                migration.folder = target;
        }
    }
    // Its own name when none is given yet; a folder that cannot be written keeps its
    // folder's name ("qs7582").
    if (!isRegularFile(filePath(migration.folder) + "/" + SiteNameFileName))
        (void)writeSiteName(migration.folder, QLatin1String(LegacySiteName));
    const FileResult listed = known.markUsed(migration.folder);

    if (migration.folder != legacy)
        migration.message =
            QCoreApplication::translate("LegacyFolder",
                                        "The files of earlier versions are now the site \"%1\" in %2; %3 leads there.")
                .arg(siteNameOf(migration.folder), migration.folder, legacy);
    else
        migration.message = QCoreApplication::translate(
                                "LegacyFolder", "The files of earlier versions are the site \"%1\", kept in %2 (%3).")
                                .arg(siteNameOf(migration.folder), legacy, QString::fromStdString(why));
    if (!listed.ok)
        migration.message += u'\n'
                             + QCoreApplication::translate("LegacyFolder", "The list of sites cannot be written: %1")
                                   .arg(QString::fromStdString(listed.error));
    return migration;
}

} // namespace q7582
