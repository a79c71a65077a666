#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/DosTime.h"
#include "text/DateText.h"

namespace kav {
namespace {

const uint32_t kStamp = PackDosFields(2024, 1, 5, 13, 5, 0);

TEST(ReadNamedLocale, CLocale) {
  auto facts = ReadNamedLocale("C");
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(facts->Date.ShortDateFormat, "MM/dd/yy");
  EXPECT_EQ(facts->Date.DateSeparator, '/');
  EXPECT_EQ(facts->Date.TimeSeparator, ':');
  EXPECT_EQ(facts->Date.LongTimeFormat, "hh:mm:ss");
  EXPECT_TRUE(facts->Date.HourStartsLower);
  EXPECT_FALSE(facts->Date.TwelveHourSuffix);
  EXPECT_EQ(facts->ThousandsSeparator, ",");
  EXPECT_EQ(DateTimeText(kStamp, facts->Date), "01/05/2024 13:05:00");
}

TEST(ReadNamedLocale, MissingLocaleGivesNothing) {
  EXPECT_FALSE(ReadNamedLocale("xx_NOWHERE.UTF-8").has_value());
}

TEST(ReadNamedLocale, InstalledLocales) {
  struct Case {
    const char* name;
    std::string dateTime;
    std::string thousands;
  };
  const Case cases[] = {
      {"en_US.UTF-8", "01/05/2024 01:05:00 PM", ","},
      {"de_DE.UTF-8", "05.01.2024 13:05:00", "."},
      {"hu_HU.UTF-8", "2024-01-05 13:05:00", "."},
      {"ko_KR.UTF-8", "2024\xEB\x85\x84 01\xEC\x9B\x94 05\xEC\x9D\xBC 13:05:00", ","},
  };
  int found = 0;
  for (const Case& c : cases) {
    auto facts = ReadNamedLocale(c.name);
    if (!facts) continue;
    ++found;
    EXPECT_EQ(DateTimeText(kStamp, facts->Date), c.dateTime) << c.name;
    EXPECT_EQ(facts->ThousandsSeparator, c.thousands) << c.name;
  }
  if (found == 0) GTEST_SKIP() << "none of en_US, de_DE, hu_HU, ko_KR is installed";
}

TEST(ReadProcessLocale, UntouchedProcessIsTheCLocale) {
  LocaleFacts process = ReadProcessLocale();
  EXPECT_EQ(process.Date.ShortDateFormat, "MM/dd/yy");
  EXPECT_EQ(process.Date.LongTimeFormat, "hh:mm:ss");
  EXPECT_EQ(process.ThousandsSeparator, ",");
}

TEST(StartStampNow, IsADateAndATimeWithoutSeconds) {
  std::string stamp = StartStampNow(ReadNamedLocale("C").value().Date);
  EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(\d\d/\d\d/\d\d \d\d:\d\d)"))) << stamp;
}

}  // namespace
}  // namespace kav
