#include "sites/SiteOrigin.h"

#include "history/ConfigHistory.h"
#include "model/FilePath.h"

#include <cstdlib>
#include <memory>
#include <string>

#include <QCoreApplication>

namespace q7582 {

namespace {

// The path with every symbolic link resolved, as bytes; empty when it does not exist.
std::string canonicalPath(const QString& path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(filePath(path).c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : std::string();
}

// The file's path inside folder ("history/x.cfi"), or nothing when it lies outside.
std::optional<std::string> insideOf(const std::string& file, const std::string& folder)
{
    if (folder.empty() || file.size() <= folder.size() || file.compare(0, folder.size(), folder) != 0)
        return std::nullopt;
    if (folder == "/")
        return file.substr(1);
    if (file[folder.size()] != '/')
        return std::nullopt;
    return file.substr(folder.size() + 1);
}

} // namespace

std::optional<SiteOrigin> siteOfFile(const QString& filePathName, const std::vector<KnownSite>& sites,
                                     const QString& openFolder)
{
    const std::string file = canonicalPath(filePathName);
    if (file.empty())
        return std::nullopt;
    const std::string open = canonicalPath(openFolder);
    if (insideOf(file, open))
        return std::nullopt; // the open site's own, even when it lies inside another site
    // The innermost site holding it, when sites lie inside one another.
    std::optional<SiteOrigin> found;
    std::size_t foundLength = 0;
    for (const KnownSite& site : sites) {
        const std::string folder = canonicalPath(site.folder);
        const std::optional<std::string> relative = insideOf(file, folder);
        if (!relative || folder.size() < foundLength)
            continue;
        SiteOrigin origin{site.folder, site.name, std::nullopt};
        const std::string historyPrefix = std::string(ConfigHistory::FolderName) + "/";
        if (relative->starts_with(historyPrefix))
            if (const auto name = parseHistoryFileName(relative->substr(historyPrefix.size())))
                origin.master = name->master;
        found = std::move(origin);
        foundLength = folder.size();
    }
    return found;
}

void applySiteOfFile(Provenance& p, const QString& filePath, const QString& openFolder)
{
    clearOriginSite(p);
    if (const std::optional<SiteOrigin> origin = siteOfFile(filePath, KnownSites().list(), openFolder)) {
        p.originSiteFolder = origin->folder.toStdString();
        p.originSiteName = origin->name.toStdString();
        p.originSiteMaster = origin->master;
    }
}

QString crossSiteFact(const SiteOrigin& origin, const QString& openSiteName)
{
    const QString master =
        origin.master ? QCoreApplication::translate("SiteOrigin", " (master %1)").arg(*origin.master) : QString();
    return QCoreApplication::translate("SiteOrigin", "This configuration belongs to site %1%2; the open site is %3.")
        .arg(origin.name, master, openSiteName);
}

QString crossSiteQuestion(const SiteOrigin& origin, const QString& openSiteName)
{
    return crossSiteFact(origin, openSiteName) + u' ' + QCoreApplication::translate("SiteOrigin", "Download anyway?");
}

} // namespace q7582
