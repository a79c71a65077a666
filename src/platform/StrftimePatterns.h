#pragma once

#include <string>

#include "text/DateLocaleBuild.h"

namespace kav {

// What nl_langinfo reports about the time locale.
struct LangInfoTexts {
  std::string DateFormat;      // D_FMT, such as "%m/%d/%y"
  std::string TimeFormat;      // T_FMT, such as "%H:%M:%S" or "%r"
  std::string TimeFormatAmPm;  // T_FMT_AMPM, what "%r" stands for
  std::string Am, Pm;          // AM_STR, PM_STR
};

// Translates the locale's strftime patterns into the facts a DateLocale is built from.
// Date: %d -> "dd", %e -> "d", %m -> "MM", %b/%B -> "MM", %y -> "yy", %Y -> "yyyy"; %D and %F
// are expanded, conversions without a numeric date field are dropped, literal letters that
// would read as fields (d, m, y) are left out and blanks at either end trimmed. The date
// separator is the punctuation character or blank right after the first field ('/' when
// there is none). Time: the hour conversion gives the clock (%I, %l: 12-hour) and the leading
// zero (%H, %I unless "%-" or "%_"; %k, %l only with "%0"); %p before it puts the designator
// before the time; the punctuation character or blank right after it is the time separator
// (':' when there is none). %T, %R and %r are expanded. A 12-hour clock without both AM/PM
// strings gets "AM" and "PM". A pattern with no date field, or no hour, leaves the
// corresponding DateLocaleFacts defaults in place.
DateLocaleFacts DateFactsFromStrftime(const LangInfoTexts& texts);

}  // namespace kav
