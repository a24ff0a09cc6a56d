#include "history/RecentFiles.h"

#include <algorithm>

namespace q7582 {

namespace {
constexpr std::size_t MostBytes = 64 * 1024; // far more than Kept names of PATH_MAX
}

RecentFiles::RecentFiles(std::string folder) : file_(std::move(folder) + "/" + RecentFilesName) {}

std::vector<std::string> RecentFiles::names() const
{
    std::string text;
    std::vector<std::string> names;
    if (!readFile(file_, text, MostBytes).ok)
        return names;
    std::size_t start = 0;
    while (start < text.size() && names.size() < Kept) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && std::find(names.begin(), names.end(), line) == names.end())
            names.push_back(std::move(line));
        start = end + 1;
    }
    return names;
}

FileResult RecentFiles::add(const std::string& path)
{
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos)
        return {}; // a name with a line end cannot be listed; the file itself opened all the same
    std::vector<std::string> list = names();
    std::erase(list, path);
    list.insert(list.begin(), path);
    if (list.size() > Kept)
        list.resize(Kept);
    return store(list);
}

FileResult RecentFiles::remove(const std::string& path)
{
    std::vector<std::string> list = names();
    std::erase(list, path);
    return store(list);
}

// CR LF, as every text file the program writes.
FileResult RecentFiles::store(const std::vector<std::string>& names) const
{
    std::string text;
    for (const std::string& name : names)
        text += name + "\r\n";
    return replaceFile(file_, text);
}

} // namespace q7582
