#include "settings/NameFile.h"

#include <algorithm>

namespace q7582 {

void readNameLines(std::string_view text, std::vector<std::string>& names, std::size_t maxLength)
{
    for (std::string& name : names) {
        if (text.empty())
            return;
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = line.substr(0, line.find('\0'));
        name.assign(line.substr(0, maxLength));
    }
}

std::string nameFileText(const std::vector<std::string>& names)
{
    std::string text;
    for (std::string name : names) {
        // A line feed inside a name would shift every later entry by one line.
        std::replace(name.begin(), name.end(), '\n', ' ');
        text += name + "\r\n";
    }
    return text;
}

} // namespace q7582
