#include "text/Format.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(Format, PointWithoutDigitsPrintsZeroAsOneDigit) {
  EXPECT_EQ(Format(" %7.d ", {int64_t{0}}), "       0 ");
  EXPECT_EQ(Format(" %7.d ", {int64_t{1234}}), "    1234 ");
  EXPECT_EQ(Format(" %7.d ", {int64_t{123456789}}), " 123456789 ");
}

TEST(Format, WidthsAlignmentAndStrings) {
  EXPECT_EQ(Format("%4d  ", {int64_t{7}}), "   7  ");
  EXPECT_EQ(Format("%-d ", {int64_t{3}}), "3 ");
  EXPECT_EQ(Format(" %-26s ", {std::string_view("a.txt")}), " a.txt                      ");
  EXPECT_EQ(Format("New Dir = %s ", {std::string_view("/x/")}), "New Dir = /x/ ");
  EXPECT_EQ(Format("%9d New %9d Old", {int64_t{-5}, int64_t{12}}), "       -5 New        12 Old");
  EXPECT_EQ(Format("100%% done", {}), "100% done");
}

TEST(Format, WidthCountsCharactersNotBytes) {
  EXPECT_EQ(Format("[%-6s]", {std::string_view("\xC3\xA4"
                                               "b.c")}),
            "[\xC3\xA4"
            "b.c  ]");
  EXPECT_EQ(Format("[%5s]", {std::string_view("\xC3\xA4")}), "[    \xC3\xA4]");
}

TEST(Format, MissingArgumentPrintsNothing) {
  EXPECT_EQ(Format("a %d b %s c", {int64_t{1}}), "a 1 b  c");
}

TEST(Format, AHugeWidthIsCappedInsteadOfExhaustingMemory) {
  // 2^64 + 5 wrapped to 5 before the cap; a width past the cap once asked for gigabytes.
  EXPECT_EQ(Format("[%18446744073709551621d]", {int64_t{7}}).size(), 1024u + 2);
  EXPECT_EQ(Format("[%-4000000000s]", {std::string_view("ab")}).substr(0, 4), "[ab ");
  EXPECT_EQ(Format("[%-4000000000s]", {std::string_view("ab")}).size(), 1024u + 2);
}

TEST(FormatThousands, GroupsDigitsWithTheSeparator) {
  EXPECT_EQ(FormatThousands(0, ","), "0");
  EXPECT_EQ(FormatThousands(999, ","), "999");
  EXPECT_EQ(FormatThousands(1200, ","), "1,200");
  EXPECT_EQ(FormatThousands(3221225472, "."), "3.221.225.472");
  EXPECT_EQ(FormatThousands(-1234567, ","), "-1,234,567");
}

}  // namespace
}  // namespace kav
