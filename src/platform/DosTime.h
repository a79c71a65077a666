#pragma once

#include <cstdint>
#include <ctime>

namespace kav {

// Packs a time as the DOS date/time of local time (2-second resolution): bits 0-4 seconds/2,
// 5-10 minutes, 11-15 hours, 16-20 day, 21-24 month, 25-31 year - 1980. Times before
// 1980-01-01 00:00:00 pack as that instant, times after 2107-12-31 23:59:58 as that one.
uint32_t PackDosTime(std::time_t time);

// Packs broken-down fields, clamped as above.
uint32_t PackDosFields(int year, int month, int day, int hour, int minute, int second);

}  // namespace kav
