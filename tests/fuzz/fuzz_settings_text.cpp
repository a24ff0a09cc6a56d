// Anything at all as QS7582.ini, a name file or the language list: the readers must
// neither overrun nor keep a word or name above its limit.
#include "FuzzCheck.h"
#include "settings/NameFile.h"
#include "settings/SettingsRecords.h"
#include "settings/WordScanner.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    for (const q7582::SettingsRecord& r : q7582::readSettingsRecords(text, 51))
        check(!r.key.empty() && r.key.size() <= 51 && !r.value.empty() && r.value.size() <= 51);

    std::vector<std::string> names(36, "keep");
    q7582::readNameLines(text, names, 48);
    for (const std::string& n : names)
        check(n.size() <= 48 && n.find('\n') == std::string::npos);

    q7582::WordScanner words(text);
    for (words.skipSpace(); !words.atEnd(); words.skipSpace())
        check(!words.word(51).empty());
    return 0;
}
