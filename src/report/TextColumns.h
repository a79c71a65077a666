#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kav {

// Column arithmetic of the fixed-width text layouts. A column holds one character as
// CharacterCount (text/CharacterCut.h) counts them, so a name with accents neither loses half
// a letter nor pushes the next column out of place.

// Appends blanks until the text fills `columns` columns (a longer text is left as it is).
void PadToColumns(std::string& text, std::size_t columns);

}  // namespace kav
