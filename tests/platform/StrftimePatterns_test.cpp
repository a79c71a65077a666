#include "platform/StrftimePatterns.h"

#include <gtest/gtest.h>

#include "platform/DosTime.h"
#include "text/DateText.h"

namespace kav {
namespace {

struct Case {
  const char* name;
  LangInfoTexts texts;
  std::string pattern;
  char dateSeparator;
  char timeSeparator;
  bool leadingZero, twelveHour, before;
};

// The texts glibc gives for C, en_US, de_DE and ko_KR, and patterns made up for the rarer paths.
const Case kCases[] = {
    {"C",
     {"%m/%d/%y", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM"},
     "MM/dd/yy",
     '/',
     ':',
     true,
     false,
     false},
    {"en_US",
     {"%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", "PM"},
     "MM/dd/yyyy",
     '/',
     ':',
     true,
     true,
     false},
    {"de_DE", {"%d.%m.%Y", "%T", "", "", ""}, "dd.MM.yyyy", '.', ':', true, false, false},
    {"hu_HU",
     {"%Y. %m. %d.", "%H:%M:%S", "", "", ""},
     "yyyy. MM. dd.",
     '.',
     ':',
     true,
     false,
     false},
    {"ko_KR",
     {"%Y\xEB\x85\x84 %m\xEC\x9B\x94 %d\xEC\x9D\xBC",
      "%H\xEC\x8B\x9C %M\xEB\xB6\x84 %S\xEC\xB4\x88",
      "%p %I\xEC\x8B\x9C %M\xEB\xB6\x84 %S\xEC\xB4\x88", "\xEC\x98\xA4\xEC\xA0\x84",
      "\xEC\x98\xA4\xED\x9B\x84"},
     "yyyy\xEB\x85\x84 MM\xEC\x9B\x94 dd\xEC\x9D\xBC",
     '/',
     ':',
     true,
     false,
     false},
    {"ISO", {"%F", "%R", "", "", ""}, "yyyy-MM-dd", '-', ':', true, false, false},
    {"D", {"%D", "%k.%M", "", "", ""}, "MM/dd/yy", '/', '.', false, false, false},
    {"before", {"%e/%-m/%Y", "%p %l:%M:%S", "", "a", "p"}, "d/M/yyyy", '/', ':', false, true, true},
    {"modifiers",
     {"%Od-%Om-%Ey", "%OI:%OM %p", "", "AM", "PM"},
     "dd-MM-yy",
     '-',
     ':',
     true,
     true,
     false},
    {"names", {"%a %d %b %Y", "%H:%M", "", "", ""}, "dd MM yyyy", ' ', ':', true, false, false},
    {"letters",
     {"%d de %m de %Y", "%Hh%M", "", "", ""},
     "dd e MM e yyyy",
     ' ',
     ':',
     true,
     false,
     false},
};

TEST(DateFactsFromStrftime, TranslatesLocalePatterns) {
  for (const Case& c : kCases) {
    DateLocaleFacts facts = DateFactsFromStrftime(c.texts);
    EXPECT_EQ(facts.ShortDatePattern, c.pattern) << c.name;
    EXPECT_EQ(facts.DateSeparator, c.dateSeparator) << c.name;
    EXPECT_EQ(facts.TimeSeparator, c.timeSeparator) << c.name;
    EXPECT_EQ(facts.HourLeadingZero, c.leadingZero) << c.name;
    EXPECT_EQ(facts.TwelveHourClock, c.twelveHour) << c.name;
    EXPECT_EQ(facts.DesignatorBefore, c.before) << c.name;
    EXPECT_EQ(facts.AmDesignator, c.texts.Am) << c.name;
    EXPECT_EQ(facts.PmDesignator, c.texts.Pm) << c.name;
  }
}

TEST(DateFactsFromStrftime, MissingPatternsKeepTheDefaults) {
  DateLocaleFacts facts = DateFactsFromStrftime(LangInfoTexts{"", "", "", "AM", "PM"});
  DateLocaleFacts defaults;
  EXPECT_EQ(facts.ShortDatePattern, defaults.ShortDatePattern);
  EXPECT_EQ(facts.DateSeparator, defaults.DateSeparator);
  EXPECT_EQ(facts.TimeSeparator, defaults.TimeSeparator);
  EXPECT_EQ(facts.HourLeadingZero, defaults.HourLeadingZero);
  EXPECT_EQ(facts.TwelveHourClock, defaults.TwelveHourClock);
  EXPECT_EQ(facts.DesignatorBefore, defaults.DesignatorBefore);
  EXPECT_EQ(DateFactsFromStrftime(LangInfoTexts{"%A", "%Z", "", "", ""}).ShortDatePattern,
            defaults.ShortDatePattern);
}

TEST(DateFactsFromStrftime, TwelveHourClockAlwaysGetsDesignators) {
  DateLocaleFacts facts = DateFactsFromStrftime(LangInfoTexts{"%d.%m.%Y", "%r", "", "", ""});
  EXPECT_TRUE(facts.TwelveHourClock);
  EXPECT_EQ(facts.AmDesignator, "AM");
  EXPECT_EQ(facts.PmDesignator, "PM");
}

TEST(DateFactsFromStrftime, RecursiveAmPmPatternEnds) {
  DateLocaleFacts facts = DateFactsFromStrftime(LangInfoTexts{"%D", "%r", "%r", "AM", "PM"});
  EXPECT_EQ(facts.ShortDatePattern, "MM/dd/yy");
}

TEST(DateFactsFromStrftime, LocaleTextsEndToEnd) {
  const uint32_t stamp = PackDosFields(2024, 1, 5, 13, 5, 0);
  struct EndToEnd {
    LangInfoTexts texts;
    std::string text;
  };
  const EndToEnd cases[] = {
      {{"%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", "PM"}, "01/05/2024 01:05:00 PM"},
      {{"%d.%m.%Y", "%T", "", "", ""}, "05.01.2024 13:05:00"},
      {{"%Y. %m. %d.", "%H:%M:%S", "", "", ""}, "2024. 01. 05. 13:05:00"},
      {{"%e/%-m/%Y", "%p %l:%M:%S", "", "a", "p"}, "05/01/2024 13:05:00"},
  };
  for (const EndToEnd& c : cases) {
    EXPECT_EQ(DateTimeText(stamp, BuildDateLocale(DateFactsFromStrftime(c.texts))), c.text)
        << c.texts.DateFormat;
  }
}

}  // namespace
}  // namespace kav
