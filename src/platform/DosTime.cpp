#include "platform/DosTime.h"

namespace kav {

uint32_t PackDosFields(int year, int month, int day, int hour, int minute, int second) {
  if (year < 1980) return PackDosFields(1980, 1, 1, 0, 0, 0);
  if (year > 2107) return PackDosFields(2107, 12, 31, 23, 59, 58);
  uint32_t date = (static_cast<uint32_t>(year - 1980) << 9) | (static_cast<uint32_t>(month) << 5) |
                  static_cast<uint32_t>(day);
  uint32_t time = (static_cast<uint32_t>(hour) << 11) | (static_cast<uint32_t>(minute) << 5) |
                  static_cast<uint32_t>(second / 2);
  return (date << 16) | time;
}

uint32_t PackDosTime(std::time_t time) {
  std::tm parts{};
  if (localtime_r(&time, &parts) == nullptr) return PackDosFields(1980, 1, 1, 0, 0, 0);
  return PackDosFields(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                       parts.tm_min, parts.tm_sec);
}

}  // namespace kav
