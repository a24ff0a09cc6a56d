#include "settings/WordScanner.h"

#include <algorithm>

namespace q7582 {

namespace {

// The C locale's white space: blank, tab, line feed, vertical tab, form feed, carriage return.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

void WordScanner::skipSpace()
{
    while (!atEnd() && isSpace(text_[pos_]))
        ++pos_;
}

bool WordScanner::accept(char c)
{
    if (atEnd() || text_[pos_] != c)
        return false;
    ++pos_;
    return true;
}

std::string WordScanner::word(std::size_t maxLength)
{
    const std::size_t start = pos_;
    while (!atEnd() && !isSpace(text_[pos_]))
        ++pos_;
    return std::string(text_.substr(start, std::min(pos_ - start, maxLength)));
}

} // namespace q7582
