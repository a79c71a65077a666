#include "core/NodeText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace kav {
namespace {

TEST(NodeText, HoldsAndComparesLikeAString) {
  NodeText empty;
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(empty.size(), 0u);
  EXPECT_STREQ(empty.c_str(), "");

  NodeText path = std::string("/top/base/x.txt");
  NodeText copy = path;
  path += "/more";
  EXPECT_EQ(copy, "/top/base/x.txt");  // a copy owns its own bytes
  EXPECT_EQ(path, std::string("/top/base/x.txt/more"));
  EXPECT_LT(copy, path);  // byte order, a prefix first
  EXPECT_EQ(std::string("a ") + copy, "a /top/base/x.txt");

  NodeText moved = std::move(copy);
  EXPECT_EQ(moved.size(), 15u);
  EXPECT_EQ(moved.back(), 't');
  moved = "";
  EXPECT_TRUE(moved.empty());
  const std::string_view withNul("a\0b", 3);
  EXPECT_EQ(NodeText(withNul).size(), 3u);
}

TEST(InlineText, CutsToItsBound) {
  InlineText<3> code = "* -";
  EXPECT_EQ(code, "* -");
  code = "ID-extra";
  EXPECT_EQ(code, "ID-");
  EXPECT_EQ(std::string("x") + code, "xID-");
}

}  // namespace
}  // namespace kav
