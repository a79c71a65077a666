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

// A relative name shares its full name's block; copies and new values own their bytes.
TEST(NodeText, SplitsOneBlockIntoAWholeAndItsEnd) {
  NodeText path;
  NodeText text;
  NodeText::Split("/top/base/sub/a.bin", 9, path, text);
  EXPECT_EQ(path, "/top/base/sub/a.bin");
  EXPECT_EQ(text, "/sub/a.bin");
  EXPECT_EQ(text.size(), 10u);
  EXPECT_STREQ(text.c_str(), "/sub/a.bin");
  NodeText copy = text;
  text = "line";
  path = NodeText();
  EXPECT_EQ(copy, "/sub/a.bin");
  EXPECT_EQ(text, "line");
  path = "/top/base/sub/a.bin";
  NodeText::Split(path, 1, path, text);  // a text split from its own bytes
  EXPECT_EQ(path, "/top/base/sub/a.bin");
  EXPECT_EQ(text, "top/base/sub/a.bin");
  NodeText::Split("/top", 4, path, text);  // nothing left for the end
  EXPECT_EQ(path, "/top");
  EXPECT_TRUE(text.empty());
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
