#pragma once

#include <cstdint>
#include <string>

#include "text/LocaleFacts.h"

namespace kav {

struct StampParts {
  unsigned Day = 0, Month = 0, Year = 0;
  unsigned Hour = 0, Minute = 0, Second = 0;
};

StampParts SplitStamp(uint32_t stamp);
std::string DatePicture(const DateLocale& locale);
std::string FormatDate(const std::string& picture, const StampParts& parts,
                       const DateLocale& locale);
std::string BlankToZero(std::string text);
std::string TimePicture(const DateLocale& locale);
std::string FormatTime(const std::string& picture, const StampParts& parts,
                       const DateLocale& locale);

// The date text of a packed stamp: FormatDate with DatePicture, then BlankToZero.
std::string DateText(uint32_t stamp, const DateLocale& locale);
// The date-and-time text: the date text, one blank, FormatTime with TimePicture.
std::string DateTimeText(uint32_t stamp, const DateLocale& locale);

}  // namespace kav
