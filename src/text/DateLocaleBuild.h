#pragma once

#include <string>

#include "text/LocaleFacts.h"

namespace kav {

// The raw locale facts a DateLocale is derived from, as the platform reports them. The
// defaults are those of a US English desktop.
struct DateLocaleFacts {
  std::string ShortDatePattern = "M/d/yyyy";  // d, M, y runs with separators and literals
  char DateSeparator = '/';
  char TimeSeparator = ':';
  bool HourLeadingZero = false;
  bool TwelveHourClock = true;
  bool DesignatorBefore = false;  // "AM 9:00" rather than "9:00 AM"
  std::string AmDesignator = "AM";
  std::string PmDesignator = "PM";
};

// prefix + "h" or "hh" + ":mm:ss" + suffix, where a 12-hour clock puts "AMPM " in front
// (designator before the time) or " AMPM" behind it; a 24-hour clock adds neither.
std::string MakeLongTimeFormat(bool hourLeadingZero, bool twelveHourClock, bool designatorBefore);

// The DateLocale of the facts: the short date pattern kept to 31 characters, the designators
// to 7, the long time format built as above, and HourStartsLower / TwelveHourSuffix read off
// its first and last letters. BuildDateLocale(DateLocaleFacts{}) equals DateLocale{}.
DateLocale BuildDateLocale(const DateLocaleFacts& facts);

}  // namespace kav
