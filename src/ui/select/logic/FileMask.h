#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kav {

// A file filter as the selection windows take it: one or more wildcard patterns separated by
// ';' ('*' any run of characters, '?' one character), matched without regard to case (ASCII
// letters). Blanks around a pattern are dropped, and a text with no pattern left (empty or
// blanks) is "*.*". As on the system the windows were first written for, a pattern that ends
// in ".*" also matches the names it would match without that ending, so "*.*" matches every
// name, "readme" and ".profile" included, and "a.*" matches "a".
class FileMask {
 public:
  explicit FileMask(std::string_view text);

  bool Matches(std::string_view name) const;

 private:
  std::vector<std::string> patterns_;  // lower-cased
};

}  // namespace kav
