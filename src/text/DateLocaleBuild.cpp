#include "text/DateLocaleBuild.h"

#include "text/CharacterCut.h"

namespace kav {

namespace {
constexpr std::size_t kShortDateLimit = 31;
constexpr std::size_t kDesignatorLimit = 7;
}  // namespace

std::string MakeLongTimeFormat(bool hourLeadingZero, bool twelveHourClock, bool designatorBefore) {
  std::string prefix, suffix;
  if (twelveHourClock && designatorBefore) prefix = "AMPM ";
  if (twelveHourClock && !designatorBefore) suffix = " AMPM";
  return prefix + (hourLeadingZero ? "hh" : "h") + ":mm:ss" + suffix;
}

DateLocale BuildDateLocale(const DateLocaleFacts& facts) {
  DateLocale locale;
  locale.ShortDateFormat = CutCharacters(facts.ShortDatePattern, kShortDateLimit);
  locale.DateSeparator = facts.DateSeparator;
  locale.TimeSeparator = facts.TimeSeparator;
  locale.LongTimeFormat =
      MakeLongTimeFormat(facts.HourLeadingZero, facts.TwelveHourClock, facts.DesignatorBefore);
  locale.AmDesignator = CutCharacters(facts.AmDesignator, kDesignatorLimit);
  locale.PmDesignator = CutCharacters(facts.PmDesignator, kDesignatorLimit);
  locale.HourStartsLower = locale.LongTimeFormat.front() == 'h';
  locale.TwelveHourSuffix = locale.LongTimeFormat.back() == 'M';
  return locale;
}

}  // namespace kav
