// The selection windows' file masks, fed any mask text and name: the matcher (one
// back-tracking point) agrees with a plain recursive reading of the same rules, without regard
// to case, and a mask of several patterns matches what any one of them matches.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "text/Format.h"
#include "ui/select/logic/FileMask.h"

namespace {

std::size_t CharLength(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return end - at;
}

// '*' any run of characters, '?' one character (a UTF-8 sequence counts as one), anything
// else itself; both texts already lower-cased. Memoised on (name, pattern) positions.
class Reference {
 public:
  Reference(std::string_view name, std::string_view pattern)
      : name_(name), pattern_(pattern), memo_((name.size() + 1) * (pattern.size() + 1), -1) {}
  bool Matches() { return From(0, 0); }

 private:
  bool From(std::size_t n, std::size_t p) {
    signed char& known = memo_[n * (pattern_.size() + 1) + p];
    if (known < 0) known = Decide(n, p) ? 1 : 0;
    return known == 1;
  }
  bool Decide(std::size_t n, std::size_t p) {
    if (p == pattern_.size()) return n == name_.size();
    if (pattern_[p] == '*') {
      return From(n, p + 1) || (n < name_.size() && From(n + CharLength(name_, n), p));
    }
    if (n == name_.size()) return false;
    if (pattern_[p] == '?') return From(n + CharLength(name_, n), p + 1);
    return pattern_[p] == name_[n] && From(n + 1, p + 1);
  }

  std::string_view name_;
  std::string_view pattern_;
  std::vector<signed char> memo_;
};

std::string ToUpperAscii(std::string text) {
  for (char& ch : text) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return text;
}

bool ReferenceMask(std::string_view name, const std::vector<std::string>& patterns) {
  const std::string lower = kav::ToLower(name);
  return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
    if (Reference(lower, pattern).Matches()) return true;
    return pattern.ends_with(".*") &&
           Reference(lower, std::string_view(pattern).substr(0, pattern.size() - 2)).Matches();
  });
}

std::vector<std::string> Patterns(const std::string& text) {
  std::vector<std::string> patterns;
  for (std::string piece :
       kav::fuzz::Pieces(reinterpret_cast<const uint8_t*>(text.data()), text.size(), ';')) {
    piece.erase(0, piece.find_first_not_of(' '));
    piece.erase(piece.find_last_not_of(' ') + 1);
    if (!piece.empty()) patterns.push_back(kav::ToLower(piece));
  }
  if (patterns.empty()) patterns.push_back("*.*");
  return patterns;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  kav::fuzz::InputReader input(data, size);
  const std::string mask = input.Text(64);
  const std::string name = input.Text(64);
  const bool matches = kav::FileMask(mask).Matches(name);
  FUZZ_CHECK(matches == ReferenceMask(name, Patterns(mask)));
  FUZZ_CHECK(matches == kav::FileMask(kav::ToLower(mask)).Matches(ToUpperAscii(name)));
  return 0;
}
