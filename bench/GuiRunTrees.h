#pragma once

#include <string>

namespace kav::bench {

// Where the generated New/Old pairs live: `Tree` is a pair of trees of `dirs` directories
// with 50 small files each, `Flat` a pair of single directories of as many files.
struct BenchTrees {
  std::string TreeNew, TreeOld;
  std::string FlatNew, FlatOld;
  int Files = 0;  // files per New tree
};

// Generates the pairs under `work` unless a previous call left them complete there. The Old
// side is the New side with the same stamps but for 20 files changed (a different size), 10
// deleted from New and 10 inserted into New, whatever the size. Throws on a file system error.
BenchTrees MakeBenchTrees(const std::string& work, int dirs);

}  // namespace kav::bench
