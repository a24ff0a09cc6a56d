#include "sites/KnownSites.h"

#include "model/FilePath.h"
#include "sites/SiteFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {

namespace {

constexpr std::size_t MaxListBytes = 1 << 20;

// The listed folders, as read: one a line, empty lines and repeats left out.
std::vector<QString> readFolders(const QString& listFile)
{
    std::string text;
    std::vector<QString> folders;
    if (!readFile(filePath(listFile), text, MaxListBytes).ok)
        return folders;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() != '/' || line.find('\0') != std::string::npos)
            continue; // damaged: only absolute paths are ever written
        const QString folder = fileNameFromPath(line);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    return folders;
}

FileResult writeFolders(const QString& listFile, std::vector<QString> folders)
{
    if (folders.size() > std::size_t(KnownSites::MaxSites))
        folders.resize(KnownSites::MaxSites);
    std::string text;
    for (const QString& f : folders)
        text += filePath(f) + "\n";
    const std::string path = filePath(listFile);
    FileResult made = makeFolder(folderOf(folderOf(path)));
    made.add(makeFolder(folderOf(path)));
    if (!made.ok)
        return made;
    return replaceFile(path, text);
}

// Absolute and clean, symbolic links kept; the working folder's name read as bytes, so
// that one whose name is not UTF-8 is listed as it is.
QString absoluteFolder(const QString& folder)
{
    if (folder.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(folder);
    char cwd[PATH_MAX];
    const QString base = ::getcwd(cwd, sizeof cwd) ? fileNameFromPath(cwd) : QStringLiteral("/");
    return QDir::cleanPath(base + QLatin1Char('/') + folder);
}

} // namespace

QString siteFolderProblem(const QString& folder)
{
    struct stat st;
    if (::stat(filePath(folder).c_str(), &st) != 0)
        return QCoreApplication::translate("KnownSites", "missing");
    if (S_ISDIR(st.st_mode))
        return ::access(filePath(folder).c_str(), R_OK | X_OK) == 0
                   ? QString()
                   : QCoreApplication::translate("KnownSites", "not readable");
    if (S_ISREG(st.st_mode))
        return QCoreApplication::translate("KnownSites", "a file, not a folder");
    if (S_ISFIFO(st.st_mode))
        return QCoreApplication::translate("KnownSites", "a FIFO, not a folder");
    return QCoreApplication::translate("KnownSites", "not a folder");
}

KnownSites::KnownSites(QString listFile) : listFile_(std::move(listFile)) {}

QString KnownSites::defaultListFile()
{
    const QByteArray overridden = qgetenv("Q7582_SITES_LIST");
    if (!overridden.isEmpty())
        return fileNameFromPath(overridden.toStdString());
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/qs7582/sites.txt");
}

std::vector<KnownSite> KnownSites::list() const
{
    std::vector<KnownSite> sites;
    for (const QString& folder : readFolders(listFile_)) {
        if (sites.size() == std::size_t(MaxSites))
            break;
        KnownSite site;
        site.folder = folder;
        site.problem = siteFolderProblem(folder);
        site.present = site.problem.isEmpty();
        site.name = siteNameOf(folder); // a missing folder: its base name
        sites.push_back(std::move(site));
    }
    return sites;
}

FileResult KnownSites::markUsed(const QString& folder)
{
    const QString absolute = absoluteFolder(folder);
    std::vector<QString> folders = readFolders(listFile_);
    std::erase(folders, absolute);
    folders.insert(folders.begin(), absolute);
    return writeFolders(listFile_, std::move(folders));
}

FileResult KnownSites::remove(const QString& folder)
{
    std::vector<QString> folders = readFolders(listFile_);
    if (std::erase(folders, absoluteFolder(folder)) == 0)
        return {};
    return writeFolders(listFile_, std::move(folders));
}

std::optional<QString> KnownSites::lastUsed() const
{
    const std::vector<QString> folders = readFolders(listFile_);
    if (folders.empty())
        return std::nullopt;
    return folders.front();
}

} // namespace q7582
