#include "text/StartStamp.h"

#include "text/CharacterCut.h"

namespace kav {
namespace {

constexpr std::size_t kStartStampLimit = 14;

std::string TwoDigits(unsigned value) {
  value %= 100U;
  return {static_cast<char>('0' + value / 10U), static_cast<char>('0' + value % 10U)};
}

char LowerLetter(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The two-digit value a date field letter stands for, or -1 for any other character.
int DateFieldValue(char letter, const StampParts& now) {
  switch (LowerLetter(letter)) {
    case 'd':
      return static_cast<int>(now.Day);
    case 'm':
      return static_cast<int>(now.Month);
    case 'y':
      return static_cast<int>(now.Year);
    default:
      return -1;
  }
}

std::string ShortDate(const StampParts& now, const std::string& pattern) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size();) {
    int value = DateFieldValue(pattern[i], now);
    if (value < 0) {
      text += pattern[i++];
      continue;
    }
    char field = LowerLetter(pattern[i]);
    while (i < pattern.size() && LowerLetter(pattern[i]) == field) ++i;
    text += TwoDigits(static_cast<unsigned>(value));
  }
  return text;
}

}  // namespace

std::string StartStampText(const StampParts& now, const DateLocale& locale) {
  std::string text = ShortDate(now, locale.ShortDateFormat) + ' ' + TwoDigits(now.Hour) +
                     locale.TimeSeparator + TwoDigits(now.Minute);
  return CutCharacters(text, kStartStampLimit);
}

}  // namespace kav
