#pragma once
// The text of a name file: one name per line, entries in table order from the first.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace q7582 {

// Line n of text becomes names[n-1]. Only a real line end is removed (LF, CR LF, or a CR
// at the very end of the text); a NUL ends the name; a longer name is cut to maxLength.
// Lines beyond the table are ignored; entries without a line keep their current name.
void readNameLines(std::string_view text, std::vector<std::string>& names, std::size_t maxLength);

// Every name followed by CR LF; a line feed inside a name is written as a blank.
std::string nameFileText(const std::vector<std::string>& names);

} // namespace q7582
