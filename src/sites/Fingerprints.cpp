#include "sites/Fingerprints.h"

#include "history/ConfigHistory.h"
#include "model/ConfigFile.h"
#include "model/FilePath.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <map>
#include <memory>
#include <sys/stat.h>

namespace q7582 {

namespace {

constexpr std::size_t MaxIndexBytes = 16 << 20;

struct Fingerprint {
    std::string sha1; // 40 hex digits
    std::uint64_t size = 0;
    std::int64_t mtimeMsecs = 0;
    bool operator==(const Fingerprint&) const = default;
};

using Index = std::map<std::string, Fingerprint>; // by entry file name

std::string indexPath(const std::string& historyFolder) { return historyFolder + "/" + FingerprintsFileName; }

template <typename T>
bool parseNumber(std::string_view text, T& value)
{
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), value);
    return err == std::errc() && end == text.data() + text.size();
}

// The index as written; a line that does not parse is left out, so its entry is read again.
Index readIndex(const std::string& historyFolder)
{
    Index index;
    std::string text;
    if (!readFile(indexPath(historyFolder), text, MaxIndexBytes).ok)
        return index;
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const std::size_t a = line.find(' ');
        const std::size_t b = a == std::string_view::npos ? a : line.find(' ', a + 1);
        const std::size_t c = b == std::string_view::npos ? b : line.find(' ', b + 1);
        if (c == std::string_view::npos || a != 40 || c + 1 >= line.size())
            continue;
        Fingerprint f{std::string(line.substr(0, a)), 0, 0};
        if (!std::all_of(f.sha1.begin(), f.sha1.end(),
                         [](char ch) { return std::isxdigit(static_cast<unsigned char>(ch)); })
            || !parseNumber(line.substr(a + 1, b - a - 1), f.size)
            || !parseNumber(line.substr(b + 1, c - b - 1), f.mtimeMsecs))
            continue;
        index.emplace(std::string(line.substr(c + 1)), std::move(f));
    }
    return index;
}

void writeIndex(const std::string& historyFolder, const Index& index)
{
    std::string text;
    for (const auto& [name, f] : index)
        text += f.sha1 + " " + std::to_string(f.size) + " " + std::to_string(f.mtimeMsecs) + " " + name + "\n";
    // A site that cannot be written keeps its old index: it is only a shortcut.
    (void)replaceFile(indexPath(historyFolder), text);
}

std::string sha1Of(const char* data, std::size_t size)
{
    return QCryptographicHash::hash(QByteArrayView(data, qsizetype(size)), QCryptographicHash::Sha1)
        .toHex()
        .toStdString();
}

// The fingerprints of the history's entries that are images, from the index where the
// size and time still agree, read again where not; the index is written back when it
// was stale or damaged.
Index currentIndex(const std::string& historyFolder)
{
    std::vector<std::string> names;
    if (!listFolder(historyFolder, names).ok)
        return {};
    const Index stored = readIndex(historyFolder);
    Index index;
    bool changed = false;
    for (const std::string& file : names) {
        if (!parseHistoryFileName(file))
            continue;
        struct stat st;
        const std::string path = historyFolder + "/" + file;
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != ConfigImage::Size)
            continue;
        Fingerprint f{
            {}, std::uint64_t(st.st_size), std::int64_t(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000};
        const auto known = stored.find(file);
        if (known != stored.end() && known->second.size == f.size && known->second.mtimeMsecs == f.mtimeMsecs) {
            f.sha1 = known->second.sha1;
        } else {
            ConfigImage image;
            if (!readWholeImage(path, image).ok)
                continue;
            f.sha1 = sha1Of(reinterpret_cast<const char*>(image.data()), ConfigImage::Size);
            changed = true;
        }
        index.emplace(file, std::move(f));
    }
    if (changed || index.size() != stored.size())
        writeIndex(historyFolder, index);
    return index;
}

// The path with every symbolic link resolved; the path itself when it cannot be.
std::string canonicalPath(const QString& folder)
{
    const std::string path = filePath(folder);
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

} // namespace

std::vector<FingerprintMatch> findInSites(const ConfigImage& image, const std::vector<KnownSite>& sites,
                                          const QString& excludeFolder)
{
    const std::string wanted = sha1Of(reinterpret_cast<const char*>(image.data()), ConfigImage::Size);
    const std::string excluded = canonicalPath(excludeFolder);
    std::vector<FingerprintMatch> matches;
    std::vector<std::string> seen; // a site listed twice, or through a link, is looked at once
    for (const KnownSite& site : sites) {
        const std::string folder = canonicalPath(site.folder);
        if (!site.present || folder == excluded || std::find(seen.begin(), seen.end(), folder) != seen.end())
            continue;
        seen.push_back(folder);
        const ConfigHistory history(folder);
        ConfigImage kept;
        for (const auto& [file, f] : currentIndex(history.folder())) {
            // The index only points; the file's bytes decide.
            if (f.sha1 != wanted || !readWholeImage(history.pathOf(file), kept).ok || !(kept == image))
                continue;
            matches.push_back({site.folder, site.name, file, *parseHistoryFileName(file)});
        }
    }
    std::stable_sort(matches.begin(), matches.end(),
                     [](const FingerprintMatch& a, const FingerprintMatch& b) { return b.name < a.name; });
    return matches;
}

void refreshFingerprints(const QString& siteFolder) { currentIndex(ConfigHistory(filePath(siteFolder)).folder()); }

QString recognitionText(const FingerprintMatch& match)
{
    const QString direction =
        match.name.direction == HistoryDirection::Upload ? QStringLiteral("Upload") : QStringLiteral("Download");
    return QCoreApplication::translate("Fingerprints",
                                       "This configuration is the one site %1 keeps for master %2, %3 of %4")
        .arg(match.siteName)
        .arg(match.name.master)
        .arg(direction, match.name.date.toString(QStringLiteral("dd/MM/yyyy")));
}

} // namespace q7582
