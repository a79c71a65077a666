// Find in the tree graph viewer's report text.
#include <gtest/gtest.h>

#include "ui/viewers/logic/GraphFind.h"

namespace kav {
namespace {

const std::u16string Text = u"abc abc\nxabcx";  // matches at 0, 4 and 9

TEST(GraphFind, DownSearchesFromTheCaretPlusOne) {
  EXPECT_EQ(FindReportTextDown(Text, u"abc", 0), 4);  // the match at the caret is passed over
  EXPECT_EQ(FindReportTextDown(Text, u"abc", 4), 9);
  EXPECT_EQ(FindReportTextDown(Text, u"abc", 9), -1);  // no wrap-around
  EXPECT_EQ(FindReportTextDown(Text, u"abc", -1), 0);
  EXPECT_EQ(FindReportTextDown(Text, u"", 0), -1);
  EXPECT_EQ(FindReportTextDown(Text, u"x", 100), -1);
}

TEST(GraphFind, UpFindsTheLastMatchWhollyBeforeTheCaret) {
  EXPECT_EQ(FindReportTextUp(Text, u"abc", 9), 4);
  EXPECT_EQ(FindReportTextUp(Text, u"abc", 6), 0);  // "ab" before 6 is no whole match
  EXPECT_EQ(FindReportTextUp(Text, u"abc", 7), 4);
  EXPECT_EQ(FindReportTextUp(Text, u"abc", 100), 9);
  EXPECT_EQ(FindReportTextUp(Text, u"abc", 0), -1);  // nothing before the caret at 0
  EXPECT_EQ(FindReportTextUp(Text, u"zz", 13), -1);
}

TEST(GraphFind, OverlappingMatchesAreAllFound) {
  const std::u16string aaa = u"aaaa";
  EXPECT_EQ(FindReportTextDown(aaa, u"aa", 0), 1);
  EXPECT_EQ(FindReportTextDown(aaa, u"aa", 1), 2);
  EXPECT_EQ(FindReportTextUp(aaa, u"aa", 4), 2);
}

}  // namespace
}  // namespace kav
