#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kav {

// Character arithmetic on UTF-8 texts: a UTF-8 sequence is one character, so a count is a
// column count of the fixed-width reports and a cut never splits a multi-byte character
// (names and locale texts such as AM/PM strings are often not ASCII). A continuation byte
// (10xxxxxx) belongs to the character before it; one that opens the text counts on its own.

// The number of characters in the text.
std::size_t CharacterCount(std::string_view text);

// The byte offset at which character `index` (from 0) starts; the text's size when it has no
// such character.
std::size_t CharacterOffset(std::string_view text, std::size_t index);

// The text cut to at most `limit` characters.
std::string CutCharacters(std::string_view text, std::size_t limit);

}  // namespace kav
