#include "ui/select/logic/FileMask.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(FileMask, MatchesWildcardsWithoutRegardToCase) {
  struct Case {
    const char* mask;
    const char* name;
    bool matches;
  } cases[] = {
      {"*.*", "a.txt", true},
      {"*.*", "readme", true},    // as on the original system: "*.*" is every name
      {"*.*", ".profile", true},  // dot-files are files like any other
      {"", "readme", true},       // an empty filter is "*.*"
      {" ; ", "readme", true},
      {"*.txt", "REPORT.TXT", true},
      {"*.TXT", "report.txt", true},
      {"*.txt", "report.txt.bak", false},
      {"*.txt", "txt", false},
      {"*.txt;*.doc", "b.doc", true},
      {"*.txt; *.doc ", "b.doc", true},
      {"*.txt;*.doc", "d", false},
      {"?.txt", "a.txt", true},
      {"?.txt", "ab.txt", false},
      {"?.txt", "\xC3\xA9.txt", true},  // one letter, two bytes
      {"a*b*c", "aXXbYYc", true},
      {"a*b*c", "aXXbYYcZ", false},
      {"*ab", "aab", true},
      {"a.*", "a", true},
      {"a.*", "ab", false},
      {"report.txt", "Report.txt", true},
      // Bytes that are not UTF-8: a literal may end inside what '*' and '?' take as one
      // character, so the first '*' must still be able to take the "a".
      {"*a*\xA9", "aa\xA9", true},
      {"*a*\xA9",
       "\xA9"
       "a",
       false},
      {"a?", "a\xA9", true},
      {"*\xC3?x", "b\xC3\xA9x", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileMask(c.mask).Matches(c.name), c.matches) << c.mask << " / " << c.name;
  }
}

}  // namespace
}  // namespace kav
