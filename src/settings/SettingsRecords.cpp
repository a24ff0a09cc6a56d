#include "settings/SettingsRecords.h"

#include "settings/WordScanner.h"

namespace q7582 {

std::vector<SettingsRecord> readSettingsRecords(std::string_view text, std::size_t maxWord)
{
    std::vector<SettingsRecord> records;
    WordScanner in(text);
    for (in.skipSpace(); !in.atEnd(); in.skipSpace()) {
        SettingsRecord r;
        r.key = in.word(maxWord);
        in.skipSpace();
        if (!in.accept('='))
            continue;
        in.skipSpace();
        if (in.atEnd())
            break;
        r.value = in.word(maxWord);
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace q7582
