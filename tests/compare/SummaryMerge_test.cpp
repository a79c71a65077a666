#include "compare/SummaryMerge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace kav::test {
namespace {

using Names = StringList;

// The merge done the slow, literal way: a linear search from the previous place, then an
// insertion into the list.
Names ReferenceMerge(Names list, const Names& added) {
  std::size_t from = 0;
  for (const std::string& name : added) {
    std::size_t j = from;
    while (j < list.size() && !SummaryNameLess(name, list[j])) ++j;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), name);
    from = j;
  }
  return list;
}

Names Apply(const Names& list, const Names& added) {
  Names out;
  for (const MergedEntry& e : MergeOrder(list, added)) {
    out.push_back(e.Added ? added[e.Index] : list[e.Index]);
  }
  return out;
}

TEST(SummaryNameLess, LettersSortBeforeUnderscoreAndPrefixesFirst) {
  struct Case {
    const char* a;
    const char* b;
    bool less;
  } cases[] = {
      {"a", "b", true},  {"b", "a", false},     {"ab", "a_", true}, {"a_", "ab", false},
      {"a", "ab", true}, {"ab", "a", false},    {"a", "a", false},  {"a", "A", false},
      {"A", "a", false}, {"a.txt", "a_", true}, {"z", "_", true},   {"1", "a", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SummaryNameLess(c.a, c.b), c.less) << c.a << " < " << c.b;
  }
}

TEST(MergeOrder, PlacesNamesLikeTheLiteralInsertion) {
  struct Case {
    Names list, added;
  } cases[] = {
      {{"c"}, {"a"}},
      {{"c"}, {"d"}},
      {{"b", "d"}, {"a", "c", "e"}},
      {{}, {"a", "b"}},
      {{"a", "b"}, {}},
      // Added names ascending in lower-case byte order are not ascending here ('_' < 'a').
      {{"ab", "b"}, {"a_b", "aab"}},
      {{"m"}, {"a_", "a_a", "aa", "ab"}},
      {{"a", "a"}, {"a", "a"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Apply(c.list, c.added), ReferenceMerge(c.list, c.added));
  }
}

TEST(MergeOrder, AgreesWithTheLiteralInsertionOnRandomNames) {
  std::mt19937 random(7);
  const std::string alphabet = "ab_[.z";
  auto name = [&] {
    std::string s;
    for (std::size_t n = 1 + random() % 3; n > 0; --n) s += alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 300; ++round) {
    Names list(random() % 8), added(random() % 8);
    for (auto& s : list) s = name();
    for (auto& s : added) s = name();
    std::sort(list.begin(), list.end());
    std::sort(added.begin(), added.end());
    ASSERT_EQ(Apply(list, added), ReferenceMerge(list, added)) << round;
  }
}

}  // namespace
}  // namespace kav::test
