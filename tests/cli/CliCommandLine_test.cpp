// kavdrift-cli's own arguments, --version/--help, and Ctrl-C during a long run.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "support/TempTree.h"

namespace kav::test {
namespace {

TEST(CliCommandLine, VersionPrintsTheVersionLine) {
  const CliResult result = RunCli({"--version"});
  EXPECT_EQ(result.Out, "Kavendrift V3.0d - (08/01/2001)\n");
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(result.ExitStatus, 0);
}

TEST(CliCommandLine, HelpPrintsTheUsage) {
  const CliResult result = RunCli({"--help"});
  EXPECT_EQ(
      result.Out.rfind("Usage: kavdrift-cli [-t N | --type N] [-o CODES | --options CODES]\n", 0),
      0u);
  EXPECT_NE(result.Out.find("any case:\n                        Veqf Chgo Spnm Ldeo Itdt Ovso "
                            "Lmcf Gmsg Lchv Lsbs\n      --select NAME"),
            std::string::npos);
  EXPECT_NE(result.Out.find("Exit status: 0 nothing different, 1 differences found, 2 trouble."),
            std::string::npos);
  EXPECT_EQ(result.ExitStatus, 0);
}

struct BadArgs {
  const char* Name;
  std::vector<std::string> Args;
  std::string Problem;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadArgs& c, std::ostream* out) {
  *out << c.Name;
}

class CliBadArguments : public ::testing::TestWithParam<BadArgs> {};

TEST_P(CliBadArguments, NameTheProblemAndExitTwo) {
  TempTree tree;
  tree.File("new/a", "a");
  tree.File("old/a", "a");
  std::vector<std::string> args = GetParam().Args;
  for (std::string& arg : args) {
    if (arg == "NEW") arg = tree.Path("new");
    if (arg == "OLD") arg = tree.Path("old");
  }
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.Out, "");
  EXPECT_EQ(result.Err, "kavdrift-cli: " + GetParam().Problem + "\nTry 'kavdrift-cli --help'.\n");
  EXPECT_EQ(result.ExitStatus, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliBadArguments,
    ::testing::Values(
        BadArgs{"UnknownCode",
                {"-o", "Veqf,Bogus", "NEW", "OLD"},
                "unknown option code 'Bogus' (known: Veqf Chgo Spnm Ldeo Itdt Ovso Lmcf Gmsg "
                "Lchv Lsbs)"},
        BadArgs{"TypeOutOfRange", {"-t", "7", "NEW", "OLD"}, "invalid type '7' (expected 1 to 6)"},
        BadArgs{"TypeMissingValue", {"NEW", "OLD", "--type"}, "option '--type' needs a value"},
        BadArgs{"UnknownOption", {"--fast", "NEW", "OLD"}, "unknown option '--fast'"},
        BadArgs{"NoDirectory", {"-t", "1"}, "the New directory is missing"},
        BadArgs{"ThreeDirectories", {"NEW", "OLD", "third"}, "too many directories: 'third'"},
        BadArgs{"BadColor",
                {"--color", "sometimes", "NEW", "OLD"},
                "invalid --color value 'sometimes' (expected auto, always or never)"},
        BadArgs{
            "SelectWithoutType3", {"--select", "a", "NEW", "OLD"}, "--select is for type 3 only"},
        BadArgs{"PairWithoutType4",
                {"-t", "3", "--pair", "a : a", "NEW", "OLD"},
                "--pair is for type 4 only"}),
    [](const auto& param) { return param.param.Name; });

TEST(CliCommandLine, OptionCodesAnyCaseWithCommasAndBlanksReachTheReport) {
  TempTree tree;
  tree.File("new/a", "a");
  tree.File("old/a", "a");
  const CliResult result =
      RunCli({"--options", "veqf, CHGO  itdt", tree.Path("new"), tree.Path("old")});
  const std::vector<std::string> rows = Lines(result.Out);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[rows.size() - 2], " OPTIONS = Veqf Chgo Itdt ");
  EXPECT_EQ(result.ExitStatus, 0);
}

// Ctrl-C during the comparison of large pairs halts the run at its next block. The pairs are
// hard links of one file (read in full under Veqf), so the run is long but the tree is cheap to
// make. A halt during any pair before the last leaves only the premature-stop line on standard
// output, for a tree compare as for a single-level one: a script's saved report says why it
// is short.
TEST(CliCommandLine, InterruptHaltsTheRunWithAPrematureStop) {
  TempTree tree;
  tree.SizedFile("large.bin", 64u << 20);
  tree.Dir("new");
  tree.Dir("old");
  for (const char* name : {"a1", "a2", "a3", "a4", "a5", "a6"}) {
    std::filesystem::create_hard_link(tree.Path("large.bin"), tree.Path("new/") + name);
    std::filesystem::create_hard_link(tree.Path("large.bin"), tree.Path("old/") + name);
  }
  tree.File("new/b_small", "b");
  tree.File("old/b_small", "b");
  const struct {
    const char* type;
    const char* options;
    const char* out;
  } cases[] = {
      {"1", "Veqf", " INFORM01: The User requested a premature program stop. \n"},
      {"2", "Veqf", " Operation prematurely stopped at user request.\n"},
      {"2", "Veqf,Lsbs", " Operation prematurely stopped at user request.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.options);
    bool interrupted = false;
    const CliResult result = RunCli(
        {"-t", c.type, "-o", c.options, tree.Path("new"), tree.Path("old")},
        [&](pid_t pid) { interrupted = WaitUntilCatchingSigint(pid) && kill(pid, SIGINT) == 0; });
    ASSERT_TRUE(interrupted);
    EXPECT_EQ(result.Out, c.out);
    EXPECT_EQ(result.Err, "Operation terminated at user request. End results may not be valid.\n");
    EXPECT_EQ(result.ExitStatus, 2);
  }
}

}  // namespace
}  // namespace kav::test
