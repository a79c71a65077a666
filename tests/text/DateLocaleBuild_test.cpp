#include "text/DateLocaleBuild.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(MakeLongTimeFormat, PrefixHourPartAndSuffix) {
  struct Case {
    bool leadingZero, twelveHour, before;
    std::string format;
  };
  const Case cases[] = {
      {false, true, false, "h:mm:ss AMPM"}, {true, true, false, "hh:mm:ss AMPM"},
      {false, true, true, "AMPM h:mm:ss"},  {true, true, true, "AMPM hh:mm:ss"},
      {true, false, false, "hh:mm:ss"},     {false, false, true, "h:mm:ss"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MakeLongTimeFormat(c.leadingZero, c.twelveHour, c.before), c.format) << c.format;
  }
}

TEST(BuildDateLocale, DefaultFactsGiveTheDefaultLocale) {
  DateLocale built = BuildDateLocale(DateLocaleFacts{});
  DateLocale plain;
  EXPECT_EQ(built.ShortDateFormat, plain.ShortDateFormat);
  EXPECT_EQ(built.DateSeparator, plain.DateSeparator);
  EXPECT_EQ(built.TimeSeparator, plain.TimeSeparator);
  EXPECT_EQ(built.LongTimeFormat, plain.LongTimeFormat);
  EXPECT_EQ(built.AmDesignator, plain.AmDesignator);
  EXPECT_EQ(built.PmDesignator, plain.PmDesignator);
  EXPECT_EQ(built.HourStartsLower, plain.HourStartsLower);
  EXPECT_EQ(built.TwelveHourSuffix, plain.TwelveHourSuffix);
}

TEST(BuildDateLocale, FlagsFollowTheLongTimeFormat) {
  struct Case {
    bool twelveHour, before;
    bool startsLower, suffix;
  };
  const Case cases[] = {
      {true, false, true, true}, {true, true, false, false}, {false, false, true, false}};
  for (const Case& c : cases) {
    DateLocaleFacts facts;
    facts.TwelveHourClock = c.twelveHour;
    facts.DesignatorBefore = c.before;
    DateLocale locale = BuildDateLocale(facts);
    EXPECT_EQ(locale.HourStartsLower, c.startsLower) << locale.LongTimeFormat;
    EXPECT_EQ(locale.TwelveHourSuffix, c.suffix) << locale.LongTimeFormat;
  }
}

TEST(BuildDateLocale, CutsDesignatorsAndPatternByCharacters) {
  DateLocaleFacts facts;
  facts.AmDesignator = "ante meridiem";
  // Four two-byte characters: all kept, although they are eight bytes.
  facts.PmDesignator = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
  facts.ShortDatePattern = "dd.MM.yyyy" + std::string(30, '.');
  DateLocale locale = BuildDateLocale(facts);
  EXPECT_EQ(locale.AmDesignator, "ante me");
  EXPECT_EQ(locale.PmDesignator, facts.PmDesignator);
  EXPECT_EQ(locale.ShortDateFormat, "dd.MM.yyyy" + std::string(21, '.'));
}

}  // namespace
}  // namespace kav
