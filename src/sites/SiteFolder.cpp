#include "sites/SiteFolder.h"

#include "model/FilePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {

namespace {

std::string nameFilePath(const QString& folder) { return filePath(folder) + "/" + SiteNameFileName; }

// The last part of a folder's path, its bytes kept ("/a/b/" -> "b").
QString baseNameOf(const QString& folder)
{
    std::string path = filePath(folder);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const auto slash = path.rfind('/');
    return fileNameFromPath(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

QString siteNameOf(const QString& folder)
{
    std::string text;
    if (readFile(nameFilePath(folder), text, 4096).ok) {
        const QString line = QString::fromUtf8(text).section(QLatin1Char('\n'), 0, 0).trimmed();
        if (siteNameProblem(line).isEmpty())
            return line;
    }
    return baseNameOf(folder);
}

FileResult writeSiteName(const QString& folder, const QString& name)
{
    const QString problem = siteNameProblem(name);
    if (!problem.isEmpty())
        return FileResult::failure(nameFilePath(folder), problem.toStdString());
    return replaceFile(nameFilePath(folder), name.toStdString() + "\r\n");
}

QString siteNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("SiteFolder", "A site needs a name.");
    if (name != name.trimmed())
        return QCoreApplication::translate("SiteFolder", "A site's name cannot begin or end with a space.");
    if (name.contains(QLatin1Char('/')))
        return QCoreApplication::translate("SiteFolder", "A site's name cannot contain \"/\".");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("SiteFolder", "A site cannot be named \".\" or \"..\".");
    if (name.startsWith(QLatin1Char('.')))
        return QCoreApplication::translate("SiteFolder",
                                           "A site's name cannot begin with a dot: its folder would be hidden.");
    if (name.size() > SiteNameMaxLength)
        return QCoreApplication::translate("SiteFolder", "A site's name can have at most %1 characters.")
            .arg(SiteNameMaxLength);
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c.isSurrogate())
            return QCoreApplication::translate("SiteFolder", "A site's name cannot contain control characters.");
    return {};
}

QString sitesHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Q7582 Sites");
}

NewSite createSite(const QString& parent, const QString& name)
{
    NewSite site;
    const QString problem = siteNameProblem(name);
    if (!problem.isEmpty()) {
        site.result = FileResult::failure(filePath(parent + QLatin1Char('/') + name), problem.toStdString());
        return site;
    }
    if (!QDir().mkpath(parent)) { // the documents folder itself may be missing
        site.result = FileResult::failure(filePath(parent), "cannot be made");
        return site;
    }
    // A taken name, folder or file, gets the next number; mkdir tells it atomically.
    for (int n = 1;; ++n) {
        const QString folder = parent + QLatin1Char('/') + name + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n));
        const std::string path = filePath(folder);
        if (::mkdir(path.c_str(), 0777) != 0) {
            if (errno == EEXIST)
                continue;
            site.result = FileResult::failure(path, errno);
            return site;
        }
        site.result = writeSiteName(folder, name);
        if (site.result.ok)
            site.folder = folder;
        else
            ::rmdir(path.c_str()); // ours and empty: no half-made site is left
        return site;
    }
}

} // namespace q7582
