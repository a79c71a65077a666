#include "core/RunState.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace kav {
namespace {

// A copy would share nothing with the original's pool, yet its record lists would still point
// into that pool: reading them after the original is gone reads freed memory.
static_assert(!std::is_copy_constructible_v<RunState>);
static_assert(!std::is_copy_assignable_v<RunState>);
static_assert(!std::is_copy_constructible_v<TreeNodePool>);
static_assert(std::is_move_constructible_v<RunState>);
static_assert(std::is_move_assignable_v<RunState>);

TEST(RunState, AMovedStateKeepsItsRecordsAfterTheOriginalIsGone) {
  auto original = std::make_unique<RunState>();
  for (int k = 0; k < 40; ++k) {  // more than one chunk of the pool
    TreeNode* node = original->TreeNodes.Add();
    node->Name = "n" + std::to_string(k);
    original->NewTreeNodes.push_back(node);
    if (k % 2 == 0) original->NewTreeLines.push_back(node);
  }
  RunState moved = std::move(*original);
  original.reset();
  RunState assigned;
  assigned = std::move(moved);
  ASSERT_EQ(assigned.NewTreeNodes.size(), 40u);
  EXPECT_EQ(assigned.TreeNodes.Count(), 40u);
  EXPECT_EQ(assigned.NewTreeNodes[39]->Name, "n39");
  EXPECT_EQ(assigned.NewTreeLines[10], assigned.NewTreeNodes[20]);
}

}  // namespace
}  // namespace kav
