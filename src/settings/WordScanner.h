#pragma once
// White-space separated words of the settings file and the language list. A word
// longer than its limit is cut there; the rest of it is skipped, never taken as a
// word of its own.

#include <cstddef>
#include <string>
#include <string_view>

namespace q7582 {

class WordScanner {
public:
    explicit WordScanner(std::string_view text) : text_(text) {}

    void skipSpace();
    bool atEnd() const { return pos_ >= text_.size(); }
    // Consumes c when it is the next character.
    bool accept(char c);
    // The run of non-blank characters at the current position, at most maxLength kept.
    std::string word(std::size_t maxLength);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace q7582
