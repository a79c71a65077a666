#include "text/StartStamp.h"

#include <gtest/gtest.h>

#include "text/CharacterCut.h"
#include "text/DateLocaleBuild.h"

namespace kav {
namespace {

StampParts Now() {
  StampParts parts;
  parts.Day = 5;
  parts.Month = 1;
  parts.Year = 2024;
  parts.Hour = 13;
  parts.Minute = 5;
  parts.Second = 42;
  return parts;
}

DateLocale Locale(const std::string& pattern, char timeSeparator = ':') {
  DateLocaleFacts facts;
  facts.ShortDatePattern = pattern;
  facts.TimeSeparator = timeSeparator;
  return BuildDateLocale(facts);
}

TEST(StartStampText, TwoDigitDateFieldsThenTwentyFourHourTime) {
  struct Case {
    std::string pattern;
    char timeSeparator;
    std::string text;
  };
  const Case cases[] = {
      {"MM/dd/yy", ':', "01/05/24 13:05"},
      {"M/d/yyyy", ':', "01/05/24 13:05"},
      {"dd.MM.yyyy", '.', "05.01.24 13.05"},
      {"yyyy-MM-dd", ':', "24-01-05 13:05"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StartStampText(Now(), Locale(c.pattern, c.timeSeparator)), c.text) << c.pattern;
  }
}

TEST(StartStampText, LongPatternIsCutToFourteenCharactersWhole) {
  // "yyyy년 MM월 dd일": 24년 01월 05일 13:05 is cut inside the time, never inside a letter.
  std::string text =
      StartStampText(Now(), Locale("yyyy\xEB\x85\x84 MM\xEC\x9B\x94 dd\xEC\x9D\xBC"));
  EXPECT_EQ(text, "24\xEB\x85\x84 01\xEC\x9B\x94 05\xEC\x9D\xBC 13");
  EXPECT_EQ(CutCharacters(text, 14), text);
}

}  // namespace
}  // namespace kav
