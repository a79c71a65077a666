#include "platform/DosTime.h"

#include <gtest/gtest.h>

#include "support/TempTree.h"

namespace kav {
namespace {

using test::TempTree;

TEST(PackDosFields, PacksEveryFieldIntoItsBits) {
  struct Case {
    int year, month, day, hour, minute, second;
    uint32_t packed;
  };
  const Case cases[] = {
      {2024, 1, 5, 13, 5, 0, 0x582568A0u},   // (44<<9|1<<5|5) << 16 | (13<<11|5<<5|0)
      {2024, 1, 5, 13, 5, 59, 0x582568BDu},  // seconds kept in two-second steps: 59 -> 29
      {1980, 1, 1, 0, 0, 0, 0x00210000u},
      {2107, 12, 31, 23, 59, 58, 0xFF9FBF7Du},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PackDosFields(c.year, c.month, c.day, c.hour, c.minute, c.second), c.packed)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(PackDosFields, ClampsOutsideTheRepresentableYears) {
  const uint32_t earliest = PackDosFields(1980, 1, 1, 0, 0, 0);
  const uint32_t latest = PackDosFields(2107, 12, 31, 23, 59, 58);
  EXPECT_EQ(PackDosFields(1979, 12, 31, 23, 59, 59), earliest);
  EXPECT_EQ(PackDosFields(1601, 6, 15, 12, 0, 0), earliest);
  EXPECT_EQ(PackDosFields(2108, 1, 1, 0, 0, 0), latest);
  EXPECT_EQ(PackDosFields(9999, 12, 31, 0, 0, 0), latest);
}

TEST(PackDosTime, PacksLocalTime) {
  EXPECT_EQ(PackDosTime(TempTree::LocalTime(2024, 1, 5, 13, 5, 0)), 0x582568A0u);
  EXPECT_EQ(PackDosTime(TempTree::LocalTime(2000, 2, 29, 23, 59, 58)),
            PackDosFields(2000, 2, 29, 23, 59, 58));
}

TEST(PackDosTime, ClampsTimesBefore1980AndAfter2107) {
  EXPECT_EQ(PackDosTime(0), PackDosFields(1980, 1, 1, 0, 0, 0));
  EXPECT_EQ(PackDosTime(TempTree::LocalTime(1979, 12, 31, 23, 59, 59)),
            PackDosFields(1980, 1, 1, 0, 0, 0));
  EXPECT_EQ(PackDosTime(TempTree::LocalTime(2108, 1, 1, 0, 0, 0)),
            PackDosFields(2107, 12, 31, 23, 59, 58));
}

}  // namespace
}  // namespace kav
