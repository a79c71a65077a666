#include "ui/select/logic/FileMask.h"

#include <vector>

#include "text/Format.h"

namespace kav {
namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Length of the character at `at`: a UTF-8 sequence counts as one, so '?' stands for one
// letter of a name, whatever its encoding length.
std::size_t CharLength(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && IsContinuationByte(text[end])) ++end;
  return end - at;
}

bool HasContinuationByte(std::string_view text) {
  for (char c : text) {
    if (IsContinuationByte(c)) return true;
  }
  return false;
}

// Wildcard match with one back-tracking point, the last '*' seen: linear in practice and never
// worse than name x pattern. Exact only while every character is one byte: with longer ones a
// literal may stop inside a character that '*' and '?' step over whole, and the earlier '*'
// would have to be retried.
bool SingleByteMatch(std::string_view name, std::string_view pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starP = std::string_view::npos;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Exact for any bytes, stray continuation bytes included: marks every (name, pattern) position
// pair the pattern can reach, name positions in increasing order; name x pattern steps.
bool MultiByteMatch(std::string_view name, std::string_view pattern) {
  const std::size_t width = pattern.size() + 1;
  std::vector<char> reached((name.size() + 1) * width, 0);
  reached[0] = 1;
  for (std::size_t n = 0; n <= name.size(); ++n) {
    for (std::size_t p = 0; p < pattern.size(); ++p) {
      if (!reached[n * width + p]) continue;
      if (pattern[p] == '*') {
        reached[n * width + p + 1] = 1;
        if (n < name.size()) reached[(n + CharLength(name, n)) * width + p] = 1;
      } else if (n < name.size() && pattern[p] == '?') {
        reached[(n + CharLength(name, n)) * width + p + 1] = 1;
      } else if (n < name.size() && pattern[p] == name[n]) {
        reached[(n + 1) * width + p + 1] = 1;
      }
    }
  }
  return reached[name.size() * width + pattern.size()] != 0;
}

bool WildcardMatch(std::string_view name, std::string_view pattern) {
  if (HasContinuationByte(name) || HasContinuationByte(pattern)) {
    return MultiByteMatch(name, pattern);
  }
  return SingleByteMatch(name, pattern);
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

FileMask::FileMask(std::string_view text) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view piece = TrimBlanks(text.substr(start, end - start));
    if (!piece.empty()) patterns_.push_back(ToLower(piece));
    start = end + 1;
  }
  if (patterns_.empty()) patterns_.push_back("*.*");
}

bool FileMask::Matches(std::string_view name) const {
  const std::string lower = ToLower(name);
  for (const std::string& pattern : patterns_) {
    if (WildcardMatch(lower, pattern)) return true;
    std::string_view shorter = pattern;
    if (shorter.ends_with(".*") && WildcardMatch(lower, shorter.substr(0, shorter.size() - 2))) {
      return true;
    }
  }
  return false;
}

}  // namespace kav
