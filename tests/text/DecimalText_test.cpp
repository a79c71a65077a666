#include "text/DecimalText.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(DecimalText, ReadsPlainDecimalsOnly) {
  struct Case {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"164", 164},       {"-20", -20},
      {"+7", 7},          {"  616", 616},
      {"0", 0},           {"", {}},
      {"   ", {}},        {"12 ", {}},
      {"1e3", {}},        {"0x10", {}},
      {"abc", {}},        {"-", {}},
      {"2147483648", {}}, {"-2147483648", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << c.text;
}

TEST(DecimalText, ClampedReadingBringsNumbersBeyond32BitsToTheLimits) {
  constexpr int Max = 2147483647;
  constexpr int Min = -Max - 1;
  struct Case {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"-99", -99},
      {"2147483647", Max},
      {"2147483648", Max},
      {"+4294967296", Max},
      {"-2147483648", Min},
      {"-2147483649", Min},
      {"-99999999999999999999", Min},
      {"2147483648x", {}},
      {"", {}},
      {"abc", {}},
      {"-", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseClampedDecimal(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kav
