#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kav {

// The code points of a UTF-8 text. A byte that does not start a well-formed sequence (and
// an overlong form, a surrogate or a value past U+10FFFF) gives one U+FFFD and decoding goes
// on with the next byte, as the window toolkit shows such bytes.
std::u32string DecodeUtf8(std::string_view text);

// The number of UTF-16 units the text takes once decoded (the unit the text boxes count
// caret positions in).
std::size_t Utf16Length(std::string_view text);

}  // namespace kav
