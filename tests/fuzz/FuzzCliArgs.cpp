// kavdrift-cli's argument parser, its option codes and the pair texts, fed any bytes: a
// sound command line always asks for a type that exists, and a pair text splits into names
// that put it back together.

#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "cli/CliArgs.h"
#include "compare/ResolveNames.h"

namespace {

void CheckParse(const std::vector<std::string>& pieces) {
  const std::vector<std::string_view> args(pieces.begin(), pieces.end());
  const kav::cli::ParsedArgs parsed = kav::cli::ParseCliArgs(args);
  if (!parsed.Error.empty()) return;
  const kav::cli::CliOptions& options = parsed.Options;
  FUZZ_CHECK(options.Type >= 1 && options.Type <= 6);
  if (options.Help || options.Version) return;
  FUZZ_CHECK(!options.NewDir.empty() || options.HasOldDir || !pieces.empty());
  FUZZ_CHECK(options.HasOldDir || options.OldDir.empty());
  FUZZ_CHECK(options.Selects.empty() || options.Type == 3);
  FUZZ_CHECK(options.Pairs.empty() || options.Type == 4);
}

void CheckPairText(const std::string& text) {
  const kav::SelectedPair pair = kav::SplitPairText(text);
  if (text.find(':') == std::string::npos) {
    FUZZ_CHECK(pair.New == text && pair.Old.empty());
    return;
  }
  FUZZ_CHECK(pair.New.find(':') == std::string::npos);
  bool rebuilt = false;
  for (std::string_view separator : {":", " :", ": ", " : "}) {
    rebuilt = rebuilt || pair.New + std::string(separator) + pair.Old == text;
  }
  FUZZ_CHECK(rebuilt);
  // The stored form of the pair reads back as the same pair.
  const kav::SelectedPair again = kav::SplitPairText(pair.New + " : " + pair.Old);
  FUZZ_CHECK(again.New == pair.New && again.Old == pair.Old);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::vector<std::string> pieces = kav::fuzz::Pieces(data, size, '\0');
  CheckParse(pieces);
  for (const std::string& piece : pieces) {
    kav::PanelInputs panel;
    (void)kav::cli::ApplyOptionCodes(piece, panel);
    CheckPairText(piece);
  }
  return 0;
}
