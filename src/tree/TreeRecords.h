#pragma once

#include <string>
#include <string_view>

#include "core/RunState.h"

namespace kav {

// Releases every tree record of the last run and empties the four record lists. Records
// live in State.TreeNodes, so a record standing in two lists is released once. The next
// run's preparation calls this before the engine starts.
void ReleaseTreeRecords(RunState& state);

// The last name component of a path, without any '/': "/top/base/" and "/top/base" both give
// "base"; "/" gives "".
std::string LastComponent(std::string_view path);

// Lets a file's names go once nothing reads them any more. A directory keeps its names: the
// paths of the entries below it are built from them.
void ForgetFileNames(TreeNode& record);

// A fresh record from the run's pool, owned by the pool.
TreeNode* NewTreeRecord(RunState& state, uint8_t kind);

}  // namespace kav
