#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kav {

// The text with every control character (codes 0-31 and 127: newline, tab, escape...)
// replaced by '?'. File names may hold such characters; a report line holding one would
// break the viewers' rows and the saved report files. Other bytes are kept as they are.
std::string PrintableText(std::string_view text);

// The same in place, for the part of `text` from byte `from` on.
void MakePrintable(std::string& text, std::size_t from);

}  // namespace kav
