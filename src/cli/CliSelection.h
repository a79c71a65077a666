#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/Controls.h"
#include "core/RunContext.h"

namespace kav::cli {

// Plays the selection windows of types 3 and 4 with the names given on the command line, as
// their start buttons would: refuses with the windows' own messages (no common file, a side
// without files, an empty selection), refuses a name that is not there with a message on
// `errors`, else fills PairedNewNames/PairedOldNames and runs the compare section.
class CliSelection {
 public:
  CliSelection(RunContext& ctx, std::vector<std::string> selects, std::vector<std::string> pairs,
               std::ostream& errors)
      : ctx_(ctx), selects_(std::move(selects)), pairs_(std::move(pairs)), errors_(errors) {}

  void Open(SelectionWindow window);
  // True when a name of the command line could not be used.
  bool Refused() const { return refused_; }

 private:
  void RunLikeNames();
  void RunUnlikeNames();
  void Refuse(const std::string& message);

  RunContext& ctx_;
  std::vector<std::string> selects_;
  std::vector<std::string> pairs_;
  std::ostream& errors_;
  bool refused_ = false;
};

}  // namespace kav::cli
