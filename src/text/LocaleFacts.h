#pragma once

#include <string>

namespace kav {

// The locale facts the date and time texts are laid out by. Read once at start-up from the
// process locale (platform/Locale.h); tests set the fields directly.
struct DateLocale {
  std::string ShortDateFormat = "M/d/yyyy";  // letters d, M, y in runs, with separators
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string LongTimeFormat = "h:mm:ss AMPM";  // built by MakeLongTimeFormat
  std::string AmDesignator = "AM";              // at most 7 characters
  std::string PmDesignator = "PM";
  bool HourStartsLower = true;   // LongTimeFormat begins with 'h'
  bool TwelveHourSuffix = true;  // LongTimeFormat ends with 'M'
};

// Everything locale-dependent a report needs.
struct LocaleFacts {
  DateLocale Date;
  std::string ThousandsSeparator = ",";  // LC_NUMERIC's, or "," where it gives none
};

}  // namespace kav
