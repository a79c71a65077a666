#include "text/DateText.h"

#include <algorithm>

namespace kav {
namespace {

constexpr std::size_t npos = std::string::npos;

bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
char ToUpperLetter(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char ToLowerLetter(char c) {
  return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// `field` is the lower-case field letter; either case of it belongs to the field.
bool IsFieldLetter(char c, char field) {
  return ToLowerLetter(c) == field;
}

// First position of the field: its lower-case letter, else its upper-case one.
std::size_t FindField(const std::string& text, char field) {
  std::size_t at = text.find(field);
  return at != npos ? at : text.find(ToUpperLetter(field));
}

// Writes the number right-aligned into the field's first run, walking leftwards from the end
// of the run while the letters belong to the field. Lower-case positions pad with '0',
// upper-case ones with a blank; a run narrower than the number keeps its rightmost digits.
void FillNumber(std::string& text, char field, unsigned value) {
  std::size_t start = FindField(text, field);
  if (start == npos) return;
  std::size_t end = start;
  while (end + 1 < text.size() && IsFieldLetter(text[end + 1], field)) ++end;
  std::string digits = std::to_string(value);
  std::size_t left = digits.size();
  for (std::size_t pos = end + 1; pos-- > 0 && IsFieldLetter(text[pos], field);) {
    char c = left > 0 ? digits[--left] : ' ';
    if (c == ' ' && !IsUpper(text[pos])) c = '0';
    text[pos] = c;
  }
}

// Widens the first run of the field letter to `width`, inserting copies at its start. For day
// and month a single lower-case letter turns upper case and a pair of upper-case letters
// lower case.
void WidenField(std::string& picture, char field, std::size_t width, bool flipCase) {
  char letter = field;
  std::size_t start = picture.find(letter);
  if (start == npos) {
    letter = ToUpperLetter(field);
    start = picture.find(letter);
  }
  if (start == npos) return;
  std::size_t run = 0;
  while (start + run < picture.size() && picture[start + run] == letter) ++run;
  if (run < width) picture.insert(start, width - run, letter);
  if (!flipCase) return;
  char caseOfRun = letter;
  if (run == 1 && !IsUpper(letter)) caseOfRun = ToUpperLetter(field);
  if (run == 2 && IsUpper(letter)) caseOfRun = field;
  std::fill_n(picture.begin() + static_cast<std::ptrdiff_t>(start), std::max(run, width),
              caseOfRun);
}

void ReplaceAll(std::string& text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
}

bool IsDateFieldLetter(char c) {
  return IsFieldLetter(c, 'd') || IsFieldLetter(c, 'm') || IsFieldLetter(c, 'y');
}

// Zero-pads the blank-padded numbers of a filled date. Only positions that were field letters
// in the picture change, so a blank the locale writes as a literal or as its separator (as in
// "2024. 01. 05.") is kept.
std::string ZeroPadDateFields(const std::string& picture, std::string text) {
  for (std::size_t i = 0; i < text.size() && i < picture.size(); ++i) {
    if (text[i] == ' ' && IsDateFieldLetter(picture[i])) text[i] = '0';
  }
  return text;
}

}  // namespace

StampParts SplitStamp(uint32_t stamp) {
  uint32_t date = stamp >> 16;
  uint32_t time = stamp & 0xFFFFU;
  StampParts parts;
  parts.Day = date & 0x1FU;
  parts.Month = (date >> 5) & 0x0FU;
  parts.Year = (date >> 9) + 1980U;
  parts.Hour = time >> 11;
  parts.Minute = (time >> 5) & 0x3FU;
  parts.Second = (time & 0x1FU) * 2U;
  return parts;
}

std::string DatePicture(const DateLocale& locale) {
  std::string picture = locale.ShortDateFormat;
  ReplaceAll(picture, locale.DateSeparator, '/');
  WidenField(picture, 'd', 2, true);
  WidenField(picture, 'm', 2, true);
  WidenField(picture, 'y', 4, false);
  return picture;
}

std::string FormatDate(const std::string& picture, const StampParts& parts,
                       const DateLocale& locale) {
  std::string text = picture;
  FillNumber(text, 'm', parts.Month);
  FillNumber(text, 'd', parts.Day);
  FillNumber(text, 'y', parts.Year);
  ReplaceAll(text, '/', locale.DateSeparator);
  return text;
}

std::string BlankToZero(std::string text) {
  ReplaceAll(text, ' ', '0');
  return text;
}

std::string TimePicture(const DateLocale& locale) {
  std::string picture = "hh:mm:ss";
  if (!locale.HourStartsLower) picture[0] = 'H';
  std::size_t longest = std::max(locale.AmDesignator.size(), locale.PmDesignator.size());
  if (locale.TwelveHourSuffix && longest > 0) picture += ' ' + std::string(longest, 't');
  return picture;
}

std::string FormatTime(const std::string& picture, const StampParts& parts,
                       const DateLocale& locale) {
  std::string text = picture;
  std::size_t designatorAt = FindField(text, 't');
  bool bothDesignators = !locale.AmDesignator.empty() && !locale.PmDesignator.empty();
  unsigned hour = parts.Hour;
  if (designatorAt != npos && bothDesignators) {
    if (hour == 0) hour = 12;
    if (hour > 12) hour -= 12;
  }
  FillNumber(text, 'h', hour);
  FillNumber(text, 'm', parts.Minute);
  FillNumber(text, 's', parts.Second);
  ReplaceAll(text, ':', locale.TimeSeparator);
  if (designatorAt == npos) return text;
  const std::string& designator = parts.Hour < 12 ? locale.AmDesignator : locale.PmDesignator;
  std::size_t next = 0;
  for (std::size_t pos = designatorAt; pos < text.size() && IsFieldLetter(text[pos], 't'); ++pos) {
    text[pos] = next < designator.size() ? designator[next++] : ' ';
  }
  return text;
}

std::string DateText(uint32_t stamp, const DateLocale& locale) {
  std::string picture = DatePicture(locale);
  return ZeroPadDateFields(picture, FormatDate(picture, SplitStamp(stamp), locale));
}

std::string DateTimeText(uint32_t stamp, const DateLocale& locale) {
  return DateText(stamp, locale) + ' ' + FormatTime(TimePicture(locale), SplitStamp(stamp), locale);
}

}  // namespace kav
