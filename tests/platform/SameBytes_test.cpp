#include "platform/SameBytes.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <thread>

#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace kav {
namespace {

using test::TempTree;

TEST(SameBytes, CountsWholeAlikeBlocksUpToTheFirstDifference) {
  struct Case {
    std::size_t size, flipAt, same;  // flipAt == size: nothing differs
  };
  const Case cases[] = {
      {10000, 10000, 10000}, {10000, 0, 0},   {10000, 4095, 0}, {10000, 4096, 4096},
      {10000, 9999, 8192},   {4096, 4095, 0}, {0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flipAt);
    std::string a(c.size, 'x');
    std::string b = a;
    if (c.flipAt < c.size) b[c.flipAt] = 'y';
    EXPECT_EQ(SameBytes(a.data(), b.data(), c.size), c.same);
  }
}

constexpr std::size_t Mapped = 1 << 20;

// A file of Mapped zero bytes, mapped whole, then cut to `keep` bytes. The zeros that stand in
// for a lost page match it, so only the answer's absence shows the loss.
struct CutUnderItsMapping {
  TempTree tree;
  std::unique_ptr<InputFile> file;
  std::unique_ptr<MappedView> view;
  std::string zeros = std::string(Mapped, '\0');

  explicit CutUnderItsMapping(off_t keep) {
    tree.File("f", zeros);
    file = RealFileSystem().Open(tree.Path("f")).File;
    view = file->Map(0, Mapped);
    if (view == nullptr || ::truncate(tree.Path("f").c_str(), keep) != 0) ADD_FAILURE();
  }
};

// Pages a file lost under its mapping are caught on whatever thread touches them; the pages it
// still has compare as ever, and Reaches() tells whether the file still holds a range.
TEST(SameBytesGuarded, AnswersNothingWhereTheFileLostAPage) {
  struct Case {
    off_t keep;
    int64_t offset;
    std::size_t count;
    bool answered;
  };
  const Case cases[] = {
      {0, 0, Mapped, false},
      {100001, 0, Mapped, false},
      {100001, 0, 98304, true},
      {100001, 98304, 8192, false},
      {100001, 98304, 4096, true},  // the page the file ends within: no fault, Reaches() tells
      {Mapped, 0, Mapped, true},
      {Mapped / 2, Mapped / 2 - 4096, 4096, true},
      {Mapped / 2, Mapped / 2, 4096, false},
  };
  for (const Case& c : cases) {
    for (bool onAnotherThread : {false, true}) {
      SCOPED_TRACE(testing::Message()
                   << c.keep << " " << c.offset << " " << c.count << " " << onAnotherThread);
      CutUnderItsMapping f(c.keep);  // afresh: zeros stay in place of a page once lost
      ASSERT_NE(f.view, nullptr);
      std::optional<std::size_t> same;
      auto compare = [&] {
        same = SameBytesGuarded(f.view->At(c.offset), f.zeros.data(), c.count);
      };
      onAnotherThread ? std::thread(compare).join() : compare();
      EXPECT_EQ(same, c.answered ? std::optional<std::size_t>(c.count) : std::nullopt);
      EXPECT_EQ(f.view->Reaches(c.offset + static_cast<int64_t>(c.count)),
                c.offset + static_cast<int64_t>(c.count) <= c.keep);
    }
  }
}

// Only a guarded compare is caught: a lost page touched anywhere else still ends the process.
TEST(SameBytesGuardedDeathTest, LeavesAnyOtherBusErrorFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        CutUnderItsMapping f(0);
        (void)SameBytesGuarded(f.view->At(0), f.zeros.data(), 4096);  // the handler is set
        volatile char lost = *f.view->At(8192);
        (void)lost;
      },
      "");
}

}  // namespace
}  // namespace kav
