#include "core/IoFailures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "run/Dispatcher.h"
#include "support/CompareFixture.h"

namespace kav::test {
namespace {

TEST(IoFailureMessage, NamesTheFirstFewThenCountsTheRest) {
  const std::vector<IoError> three = {
      {"/n/a", EACCES}, {"/n/sub/", EIO}, {"/n/pipe", NotRegularFile}};
  EXPECT_EQ(IoFailureMessage({}, 2), "");
  EXPECT_EQ(IoFailureMessage(three, 3),
            "The results are incomplete. These could not be read:\r/n/a: Permission denied\r"
            "/n/sub: Input/output error\r/n/pipe: Not a regular file");
  EXPECT_EQ(IoFailureMessage(three, 1),
            "The results are incomplete. These could not be read:\r/n/a: Permission denied\r"
            "... and 2 more.");
}

// A directory that cannot be listed is named, never taken for an empty one, and the status
// line does not call the run complete.
TEST(RunCompare, AnUnlistedDirectoryIsNamedAndTheRunIsIncomplete) {
  struct Case {
    int type;
    const char* failing;  // below the tree
  };
  const Case cases[] = {{1, "new"}, {1, "old"},     {2, "old/sub"}, {3, "new"},
                        {4, "old"}, {5, "new/sub"}, {6, "new"}};
  for (const Case& c : cases) {
    CompareFixture f;
    f.tree.File("new/a", "1");
    f.tree.File("old/a", "1");
    f.tree.File("new/sub/b", "2");
    f.tree.File("old/sub/b", "2");
    f.SetType(c.type);
    f.state.Panel.MnCkViewResults = true;
    const bool isRoot = std::string(c.failing).find('/') == std::string::npos;
    const std::string failing = f.tree.Path(c.failing) + (isRoot ? "/" : "");
    f.fs.FailList(failing);
    RunCompare(f.ctx);
    EXPECT_TRUE(f.host.messages.empty()) << c.type << c.failing;
    EXPECT_TRUE(f.host.selectionsOpened.empty()) << c.type << c.failing;
    ASSERT_EQ(f.state.IoFailures.size(), 1u) << c.type << c.failing;
    EXPECT_EQ(IoErrorText(f.state.IoFailures[0]), f.tree.Path(c.failing) + ": Input/output error");
    EXPECT_EQ(f.host.LastStatus(), IncompleteRunStatus) << c.type << c.failing;
    EXPECT_EQ(f.state.Totals.DeletedFiles + f.state.Totals.InsertedFiles, 0);
  }
}

}  // namespace
}  // namespace kav::test
