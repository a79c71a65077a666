// Format and FormatThousands with any pattern, width and value: the column rules hold and
// no width, however large, costs more than its cap.

#include <string>

#include "FuzzCheck.h"
#include "text/CharacterCut.h"
#include "text/Format.h"

using kav::fuzz::InputReader;

namespace {

void CheckOneConversion(InputReader& in) {
  const bool left = (in.Byte() & 1) != 0;
  const bool number = (in.Byte() & 1) != 0;
  const uint64_t width = static_cast<uint64_t>(in.Word()) << (in.Byte() % 40);
  const auto value = static_cast<int64_t>(static_cast<int32_t>(in.Word()));
  const std::string text = in.Text(40);
  const std::string pattern =
      std::string("[%") + (left ? "-" : "") + std::to_string(width) + (number ? "d]" : "s]");
  const std::string shown = number ? std::to_string(value) : text;
  const std::string out = number ? kav::Format(pattern, {value}) : kav::Format(pattern, {text});
  // Blanks make up the width the value's own character count leaves (a stray continuation
  // byte at its start counts as a character there, but not inside the brackets).
  const std::size_t columns = kav::CharacterCount(shown);
  const auto wanted = static_cast<std::size_t>(std::min<uint64_t>(width, kav::MaxFormatWidth));
  FUZZ_CHECK(out.size() == shown.size() + 2 + (wanted > columns ? wanted - columns : 0));
  FUZZ_CHECK(out.front() == '[' && out.back() == ']');
  // The value itself is never cut, and sits at the side the '-' asks for.
  const std::string_view inner(out.data() + 1, out.size() - 2);
  FUZZ_CHECK(left ? inner.starts_with(shown) : inner.ends_with(shown));
}

void CheckThousands(InputReader& in) {
  const auto value = static_cast<int64_t>(static_cast<uint64_t>(in.Word()) << 32 | in.Word());
  const std::string separator = in.Text(3);
  std::string digitsOnly;
  const std::string out = kav::FormatThousands(value, separator);
  if (separator.empty() || separator.find_first_of("-0123456789") == std::string::npos) {
    std::size_t at = 0;
    while (at < out.size()) {
      if (out.compare(at, separator.size(), separator) == 0 && !separator.empty()) {
        at += separator.size();
      } else {
        digitsOnly += out[at++];
      }
    }
    FUZZ_CHECK(digitsOnly == std::to_string(value));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  InputReader in(data, size);
  CheckOneConversion(in);
  CheckThousands(in);
  const std::string pattern = in.Text(64);
  const std::string text = in.Text(16);
  (void)kav::Format(pattern, {int64_t{-7}, std::string_view(text), int64_t{123456789}});
  (void)kav::Format(pattern, {});
  return 0;
}
