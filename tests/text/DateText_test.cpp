#include "text/DateText.h"

#include <gtest/gtest.h>

#include "platform/DosTime.h"
#include "text/DateLocaleBuild.h"

namespace kav {
namespace {

uint32_t Stamp(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return PackDosFields(year, month, day, hour, minute, second);
}

DateLocale DateOnly(const std::string& pattern, char separator) {
  DateLocaleFacts facts;
  facts.ShortDatePattern = pattern;
  facts.DateSeparator = separator;
  return BuildDateLocale(facts);
}

DateLocale TimeLocale(bool twelveHour, bool before, bool leadingZero = true, char separator = ':',
                      std::string am = "AM", std::string pm = "PM") {
  DateLocaleFacts facts;
  facts.TwelveHourClock = twelveHour;
  facts.DesignatorBefore = before;
  facts.HourLeadingZero = leadingZero;
  facts.TimeSeparator = separator;
  facts.AmDesignator = std::move(am);
  facts.PmDesignator = std::move(pm);
  return BuildDateLocale(facts);
}

StampParts At(unsigned hour, unsigned minute, unsigned second) {
  StampParts parts;
  parts.Hour = hour;
  parts.Minute = minute;
  parts.Second = second;
  return parts;
}

TEST(SplitStamp, DecodesEveryField) {
  StampParts parts = SplitStamp(Stamp(2024, 1, 5, 13, 5, 9));
  EXPECT_EQ(parts.Year, 2024u);
  EXPECT_EQ(parts.Month, 1u);
  EXPECT_EQ(parts.Day, 5u);
  EXPECT_EQ(parts.Hour, 13u);
  EXPECT_EQ(parts.Minute, 5u);
  EXPECT_EQ(parts.Second, 8u);  // two-second resolution
  parts = SplitStamp(Stamp(2107, 12, 31, 23, 59, 58));
  EXPECT_EQ(parts.Year, 2107u);
  EXPECT_EQ(parts.Month, 12u);
  EXPECT_EQ(parts.Day, 31u);
  EXPECT_EQ(parts.Hour, 23u);
  EXPECT_EQ(parts.Minute, 59u);
  EXPECT_EQ(parts.Second, 58u);
}

TEST(SplitStamp, ZeroStampShowsItsFieldsAsTheyAre) {
  StampParts parts = SplitStamp(0);
  EXPECT_EQ(parts.Day, 0u);
  EXPECT_EQ(parts.Month, 0u);
  EXPECT_EQ(parts.Year, 1980u);
  EXPECT_EQ(DateText(0, DateLocale{}), "00/00/1980");
}

TEST(DatePicture, WidensDayMonthAndYear) {
  struct Case {
    std::string pattern;
    char separator;
    std::string picture;
  };
  const Case cases[] = {
      {"M/d/yyyy", '/', "MM/DD/yyyy"}, {"dd.MM.yy", '.', "dd/mm/yyyy"},
      {"d-M-yy", '-', "DD/MM/yyyy"},   {"yyyy-MM-dd", '-', "yyyy/mm/dd"},
      {"MM/dd/yy", '/', "mm/dd/yyyy"}, {"d.M", '.', "DD/MM"},
      {"dd/MM/y", '/', "dd/mm/yyyy"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DatePicture(DateOnly(c.pattern, c.separator)), c.picture) << c.pattern;
  }
}

TEST(DateText, FollowsTheLocaleOrderAndSeparator) {
  struct Case {
    std::string pattern;
    char separator;
    uint32_t stamp;
    std::string text;
  };
  const Case cases[] = {
      {"M/d/yyyy", '/', Stamp(2024, 1, 5), "01/05/2024"},
      {"dd.MM.yy", '.', Stamp(2024, 1, 5), "05.01.2024"},
      {"yy-M-d", '-', Stamp(2024, 1, 5), "2024-01-05"},
      {"d/M/yy", '/', Stamp(1999, 11, 28), "28/11/1999"},
      {"M/d/yyyy", '/', Stamp(2107, 12, 31), "12/31/2107"},
      {"M/d/yyyy", '/', Stamp(1980, 1, 1), "01/01/1980"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateText(c.stamp, DateOnly(c.pattern, c.separator)), c.text) << c.pattern;
  }
}

TEST(DateText, LiteralBlanksAndBlankSeparatorsStayBlanks) {
  EXPECT_EQ(DateText(Stamp(2024, 1, 5), DateOnly("yyyy. MM. dd.", '.')), "2024. 01. 05.");
  EXPECT_EQ(DateText(Stamp(2024, 1, 5), DateOnly("d M yyyy", ' ')), "05 01 2024");
}

TEST(FormatDate, PadsUpperCaseFieldsWithBlanksUntilBlankToZero) {
  StampParts parts = SplitStamp(Stamp(2024, 1, 5));
  std::string text = FormatDate("MM/DD/yyyy", parts, DateLocale{});
  EXPECT_EQ(text, " 1/ 5/2024");
  EXPECT_EQ(BlankToZero(text), "01/05/2024");
  // A run narrower than the number keeps its rightmost digits.
  EXPECT_EQ(FormatDate("d.m.yy", SplitStamp(Stamp(2024, 12, 28)), DateOnly("d.M", '.')), "8.2.24");
}

TEST(TimePicture, FollowsClockAndDesignatorPosition) {
  EXPECT_EQ(TimePicture(DateLocale{}), "hh:mm:ss tt");
  EXPECT_EQ(TimePicture(TimeLocale(false, false)), "hh:mm:ss");
  EXPECT_EQ(TimePicture(TimeLocale(false, false, false)), "hh:mm:ss");
  EXPECT_EQ(TimePicture(TimeLocale(true, true)), "Hh:mm:ss");
  EXPECT_EQ(TimePicture(TimeLocale(true, false, true, ':', "vorm.", "nachm.")), "hh:mm:ss tttttt");
}

TEST(FormatTime, TwentyFourHourClock) {
  DateLocale colon = TimeLocale(false, false);
  DateLocale dot = TimeLocale(false, false, true, '.');
  EXPECT_EQ(FormatTime(TimePicture(colon), At(7, 5, 9), colon), "07:05:09");
  EXPECT_EQ(FormatTime(TimePicture(dot), At(7, 5, 9), dot), "07.05.09");
  EXPECT_EQ(FormatTime(TimePicture(colon), At(23, 59, 58), colon), "23:59:58");
  EXPECT_EQ(FormatTime(TimePicture(colon), At(0, 0, 0), colon), "00:00:00");
}

TEST(FormatTime, TwelveHourClockWithDesignatorAfter) {
  struct Case {
    unsigned hour, minute;
    std::string text;
  };
  const Case cases[] = {
      {0, 30, "12:30:00 AM"},  {13, 5, "01:05:00 PM"}, {12, 0, "12:00:00 PM"},
      {11, 59, "11:59:00 AM"}, {23, 1, "11:01:00 PM"}, {1, 0, "01:00:00 AM"},
  };
  DateLocale locale;
  for (const Case& c : cases) {
    EXPECT_EQ(FormatTime(TimePicture(locale), At(c.hour, c.minute, 0), locale), c.text) << c.hour;
  }
}

TEST(FormatTime, DesignatorBeforeLeavesAnUnpaddedTwentyFourHourClock) {
  DateLocale locale = TimeLocale(true, true);
  EXPECT_EQ(FormatTime(TimePicture(locale), At(9, 0, 0), locale), " 9:00:00");
  EXPECT_EQ(FormatTime(TimePicture(locale), At(21, 0, 0), locale), "21:00:00");
  EXPECT_EQ(FormatTime(TimePicture(locale), At(0, 5, 0), locale), " 0:05:00");
}

TEST(FormatTime, ShorterDesignatorLeavesBlanks) {
  DateLocale locale = TimeLocale(true, false, true, ':', "a", "pm");
  EXPECT_EQ(FormatTime(TimePicture(locale), At(1, 0, 0), locale), "01:00:00 a ");
  EXPECT_EQ(FormatTime(TimePicture(locale), At(13, 0, 0), locale), "01:00:00 pm");
}

TEST(FormatTime, OneEmptyDesignatorKeepsTheTwentyFourHourClock) {
  DateLocale locale = TimeLocale(true, false, true, ':', "", "PM");
  EXPECT_EQ(FormatTime(TimePicture(locale), At(9, 0, 0), locale), "09:00:00   ");
  EXPECT_EQ(FormatTime(TimePicture(locale), At(13, 0, 0), locale), "13:00:00 PM");
}

TEST(FormatTime, BothDesignatorsEmptyBlankTheDesignatorRun) {
  DateLocale locale = TimeLocale(true, false, true, ':', "", "");
  EXPECT_EQ(FormatTime("hh:mm:ss t", At(13, 0, 0), locale), "13:00:00  ");
}

TEST(FormatTime, MultiByteDesignatorIsWrittenWhole) {
  DateLocale locale =
      TimeLocale(true, false, true, ':', "\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84");
  EXPECT_EQ(FormatTime(TimePicture(locale), At(13, 5, 0), locale),
            "01:05:00 \xEC\x98\xA4\xED\x9B\x84");
}

TEST(DateTimeText, JoinsDateAndTimeWithOneBlank) {
  EXPECT_EQ(DateTimeText(Stamp(2024, 1, 5, 13, 5, 0), DateLocale{}), "01/05/2024 01:05:00 PM");
  DateLocaleFacts german;
  german.ShortDatePattern = "dd.MM.yyyy";
  german.DateSeparator = '.';
  german.TwelveHourClock = false;
  german.HourLeadingZero = true;
  EXPECT_EQ(DateTimeText(Stamp(2024, 1, 5, 7, 5, 9), BuildDateLocale(german)),
            "05.01.2024 07:05:08");
}

}  // namespace
}  // namespace kav
