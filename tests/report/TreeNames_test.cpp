#include "report/TreeNames.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(NameStart, TrailingSeparatorPointsAtTheNameWithoutOneAtTheSeparator) {
  EXPECT_EQ(NameStart("/top/base/"), 6);      // the b
  EXPECT_EQ(NameStart("/top/base/sub"), 10);  // the '/' before sub
  EXPECT_EQ(NameStart("/"), 1);
  EXPECT_EQ(FromPosition("/top/base/", NameStart("/top/base/")), "base/");
  EXPECT_EQ(FromPosition("/top/base/sub", NameStart("/top/base/sub")), "/sub");
}

TEST(PathDepth, CountsSeparatorsBeforeTheLastCharacter) {
  EXPECT_EQ(PathDepth("/top/base/"), 2);
  EXPECT_EQ(PathDepth("/top/base/x.txt"), 3);
  EXPECT_EQ(PathDepth("/"), 0);
}

}  // namespace
}  // namespace kav
