// Calls that are interrupted (EINTR) or cut short are part of normal life on a busy system:
// the program must ride them out with exactly the answer it gives without them.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "CliRunner.h"
#include "support/TempTree.h"

namespace kav::test {
namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(CliInterrupted, InterruptedAndShortReadsAndWritesChangeNothing) {
  TempTree tree;
  const std::string big(300000, 'b');  // more than one read chunk
  tree.File("new/same.bin", big);
  tree.File("old/same.bin", big);
  tree.File("new/last.bin", big + "x");
  tree.File("old/last.bin", big + "y");
  tree.File("new/sub/a.txt", "a");
  tree.File("old/sub/a.txt", "b");
  const std::string log = tree.Path("faults.log");
  for (const char* type : {"1", "2"}) {
    const std::vector<std::string> args = {"-t", type, "-o", "Veqf", "new", "old"};
    CliSetup plain;
    plain.WorkingDir = tree.Root();
    const CliResult expected = RunCli(args, plain);
    for (const char* seed : {"1", "2", "3"}) {
      CliSetup faulty = plain;
      faulty.WithFailSys = true;
      faulty.Env = {{"FAILSYS_SEED", seed},
                    {"FAILSYS_RATE", "500"},
                    {"FAILSYS_KINDS", "soft"},
                    {"FAILSYS_UNDER", tree.Root() + "/"},
                    {"FAILSYS_LOG", log}};
      std::remove(log.c_str());
      const CliResult result = RunCli(args, faulty);
      SCOPED_TRACE(std::string("type ") + type + ", seed " + seed);
      EXPECT_NE(Contents(log), "");  // the faults did happen
      EXPECT_EQ(WithoutStamp(result.Out), WithoutStamp(expected.Out));
      EXPECT_EQ(result.Err, expected.Err);
      EXPECT_EQ(result.ExitStatus, expected.ExitStatus);
    }
  }
}

}  // namespace
}  // namespace kav::test
