#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kav {

// The text cut to at most `limit` characters, counting a UTF-8 sequence as one character, so
// that a cut never splits a multi-byte character (locale texts such as AM/PM strings are
// often not ASCII). A continuation byte (10xxxxxx) belongs to the character before it.
std::string CutCharacters(std::string_view text, std::size_t limit);

}  // namespace kav
