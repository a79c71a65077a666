#pragma once

#include <cstdint>
#include <string>

#include "text/LocaleFacts.h"

namespace kav {

// The fields of a packed DOS date/time stamp (year with four digits, seconds even).
struct StampParts {
  unsigned Day = 0, Month = 0, Year = 0;
  unsigned Hour = 0, Minute = 0, Second = 0;
};

// Decodes a packed stamp. Nothing is validated: stamp 0 gives day 0, month 0, year 1980, and
// the texts below show such fields as they are ("00/00/1980"). Callers print no date for 0.
StampParts SplitStamp(uint32_t stamp);

// Pictures are strings in which runs of one letter are fields: d day, m month, y year in a
// date; h hour, m minute, s second, t designator in a time. A lower-case letter pads its
// number with '0', an upper-case one with a blank. '/' stands for the date separator and ':'
// for the time separator; anything else is copied.

// The locale's short date pattern as a picture with two-place day and month fields and a
// four-digit year ("M/d/yyyy" gives "MM/DD/yyyy").
std::string DatePicture(const DateLocale& locale);
// Fills month, day and year into the picture, then puts the locale's date separator for '/'.
std::string FormatDate(const std::string& picture, const StampParts& parts,
                       const DateLocale& locale);
// Every blank of the text becomes '0'.
std::string BlankToZero(std::string text);
// "hh:mm:ss", with 'H' first when the hour goes unpadded by a zero, and a blank plus a 't' run
// as long as the longer designator when the locale writes the designator after the time.
std::string TimePicture(const DateLocale& locale);
// Fills hour (12-hour clock when the picture has a 't' run and both designators are set),
// minute and second, puts the time separator for ':', and writes the designator into the 't'
// run. Positions of the run the designator does not reach become blanks, so AM and PM texts
// of different lengths give texts of one width.
std::string FormatTime(const std::string& picture, const StampParts& parts,
                       const DateLocale& locale);

// The date text of a packed stamp: FormatDate with DatePicture, every field zero-padded.
// Blanks the locale's pattern holds as literals or as its separator stay blanks.
std::string DateText(uint32_t stamp, const DateLocale& locale);
// The date-and-time text: the date text, one blank, FormatTime with TimePicture.
std::string DateTimeText(uint32_t stamp, const DateLocale& locale);

}  // namespace kav
