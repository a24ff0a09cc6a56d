#include "sites/SiteSession.h"

#include "app/WorkingFolderLock.h"
#include "model/FilePath.h"
#include "sites/SiteFolder.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <utility>

#include <QCoreApplication>

namespace q7582 {

namespace {

QString workingFolder()
{
    char* here = ::getcwd(nullptr, 0);
    const QString folder = here ? fileNameFromPath(here) : QString();
    std::free(here);
    return folder;
}

// The same folder, symbolic links resolved.
bool sameFolder(const QString& a, const QString& b)
{
    char ra[PATH_MAX], rb[PATH_MAX];
    return ::realpath(filePath(a).c_str(), ra) && ::realpath(filePath(b).c_str(), rb) && std::strcmp(ra, rb) == 0;
}

} // namespace

StartSite chooseStartSite(bool lastSite, KnownSites& known, const QString& legacy, const QString& home)
{
    StartSite start;
    if (!lastSite)
        return start;
    start.notice = adoptLegacyFolder(known, legacy, home).message;
    for (const KnownSite& site : known.list()) {
        if (site.present) {
            start.folder = site.folder;
            return start;
        }
        start.notice +=
            QCoreApplication::translate("SiteSession", "%1The site %2 cannot be opened: %3 is %4.")
                .arg(start.notice.isEmpty() ? QString() : QStringLiteral("\n"), site.name, site.folder, site.problem);
    }
    start.askName = true;
    return start;
}

SiteSession::SiteSession(KnownSites& known) : known_(known), folder_(workingFolder()) {}

QString SiteSession::name() const { return siteNameOf(folder_); }

void SiteSession::opened()
{
    folder_ = workingFolder();
    // A list that cannot be written leaves the site unlisted; the site itself works.
    (void)known_.markUsed(folder_);
}

QString SiteSession::enter(const QString& folder)
{
    if (const QString problem = siteFolderProblem(folder); !problem.isEmpty())
        return QCoreApplication::translate("SiteSession", "%1 is %2.").arg(folder, problem);
    if (::chdir(filePath(folder).c_str()) != 0)
        return QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    folder_ = workingFolder();
    return {};
}

QString SiteSession::prepareSwitch(const QString& folder)
{
    cancelSwitch();
    if (const QString problem = siteFolderProblem(folder); !problem.isEmpty())
        return QCoreApplication::translate("SiteSession", "The site %1 cannot be opened: it is %2.")
            .arg(folder, problem);
    if (sameFolder(folder, folder_))
        return QCoreApplication::translate("SiteSession", "The site %1 is the one open.").arg(siteNameOf(folder));
    nextLock_ = tryLockWorkingFolder(folder);
    if (!nextLock_)
        return alreadyRunningText() + QStringLiteral(": %1").arg(folder);
    switchTo_ = folder;
    return {};
}

void SiteSession::cancelSwitch()
{
    switchTo_.clear();
    nextLock_.reset();
}

QString SiteSession::switchNow(std::unique_ptr<QLockFile>& lock)
{
    const QString target = std::exchange(switchTo_, QString());
    const QString old = folder_;
    std::unique_ptr<QLockFile> next = std::move(nextLock_);
    lock.reset();
    QString problem = enter(target);
    // A path the lock cannot be made by (a name that is not UTF-8) is locked from inside.
    if (problem.isEmpty() && !next->isLocked() && !(next = tryLockWorkingFolder(QStringLiteral(".")))) {
        problem = alreadyRunningText() + QStringLiteral(": %1").arg(target);
        (void)enter(old);
    }
    if (!problem.isEmpty()) {
        lock = tryLockWorkingFolder(QStringLiteral("."));
        return problem;
    }
    lock = std::move(next);
    opened();
    return {};
}

} // namespace q7582
