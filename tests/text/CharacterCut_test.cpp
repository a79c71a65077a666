#include "text/CharacterCut.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(CutCharacters, CountsUtf8SequencesAsOneCharacter) {
  struct Case {
    std::string text;
    std::size_t limit;
    std::string cut;
  };
  const Case cases[] = {
      {"abcdef", 3, "abc"},
      {"abc", 7, "abc"},
      {"abc", 0, ""},
      {"", 2, ""},
      {"\xEC\x98\xA4\xEC\xA0\x84!", 1, "\xEC\x98\xA4"},
      {"\xEC\x98\xA4\xEC\xA0\x84!", 2, "\xEC\x98\xA4\xEC\xA0\x84"},
      {"a\xC3\xA9z", 2, "a\xC3\xA9"},
  };
  for (const Case& c : cases) EXPECT_EQ(CutCharacters(c.text, c.limit), c.cut) << c.text;
}

TEST(CharacterCount, CountsSequencesAndLocatesCharacters) {
  const std::string_view text = "a\xC3\xA9\xEC\x98\xA4z";  // a, e-acute, a Hangul syllable, z
  EXPECT_EQ(CharacterCount(text), 4u);
  EXPECT_EQ(CharacterOffset(text, 0), 0u);
  EXPECT_EQ(CharacterOffset(text, 2), 3u);
  EXPECT_EQ(CharacterOffset(text, 3), 6u);
  EXPECT_EQ(CharacterOffset(text, 4), text.size());
  EXPECT_EQ(CharacterCount("\x80x"), 2u) << "a stray continuation byte opening the text";
}

}  // namespace
}  // namespace kav
