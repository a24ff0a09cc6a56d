#pragma once
// The records of QS7582.ini as the settings reader matches them: a key word, optional
// white space, "=", optional white space, a value word. Words are runs of non-blank
// characters, so "help=english" is one word and no record.

#include <string>
#include <string_view>
#include <vector>

namespace q7582 {

struct SettingsRecord {
    std::string key;
    std::string value;
};

// Keys and values longer than maxWord are cut. A key without "=" or without a value is
// dropped, and the word after it is read as the next key.
std::vector<SettingsRecord> readSettingsRecords(std::string_view text, std::size_t maxWord);

} // namespace q7582
