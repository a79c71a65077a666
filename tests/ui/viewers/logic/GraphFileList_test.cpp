// The tree graph viewer's file list of a clicked directory and its totals line.
#include <gtest/gtest.h>

#include "tree/TreeRecords.h"
#include "ui/viewers/logic/GraphFileList.h"

namespace kav {
namespace {

constexpr uint32_t Stamp(unsigned year, unsigned month, unsigned day) {
  return ((year - 1980) << 25) | (month << 21) | (day << 16) | (13u << 11) | (5u << 5);
}

class DirectoryFilesTest : public testing::Test {
 protected:
  // A record of the New tree, under the directory added last one level up.
  TreeNode* Add(uint8_t kind, const std::string& path, int level, const std::string& code = "   ") {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = kind;
    node->Name = level == 0 ? path : LastComponent(path);
    node->Level = level;
    node->ParentIndex = level == 0 ? -1 : dirAt_[static_cast<std::size_t>(level - 1)];
    node->ChangeCode = code;
    if (kind == NodeDir) {
      dirAt_.resize(static_cast<std::size_t>(level) + 1);
      dirAt_.back() = static_cast<int32_t>(state.NewTreeNodes.size());
    }
    state.NewTreeNodes.push_back(node);
    state.NewTreeLines.push_back(node);
    return node;
  }
  TreeNode* File(const std::string& path, const std::string& code, int64_t size,
                 int64_t oldSize = 0, int level = 1) {
    TreeNode* file = Add(NodeFile, path, level, code);
    file->Size = size;
    file->OldSize = oldSize;
    file->Date = Stamp(2024, 1, 5);
    file->OldDate = Stamp(2023, 12, 31);
    return file;
  }
  DirectoryFiles Files(int row) {
    std::optional<DirectoryFiles> files = ListDirectoryFiles(state, row, locale);
    EXPECT_TRUE(files.has_value());
    return files.value_or(DirectoryFiles{});
  }

  RunState state;
  LocaleFacts locale;
  std::vector<int32_t> dirAt_;
};

TEST_F(DirectoryFilesTest, ThreeEqualFilesShowTheMatchForm) {
  Add(NodeDir, "/top/base/", 0)->FileCount = 3;
  File("/top/base/a.txt", "   ", 1200, 1200);
  File("/top/base/b.txt", "   ", 5, 5);
  File("/top/base/c.txt", "   ", 0, 0);
  Add(NodeDir, "/top/base/sub", 1);
  File("/top/base/sub/d.txt", "I -", 7, 0, 2);
  const DirectoryFiles files = Files(0);
  EXPECT_EQ(files.DirText, "Dir: /top/base/");
  EXPECT_EQ(Files(4).DirText, "Dir: /top/base/sub");  // built from its parent's path
  EXPECT_EQ(files.TotalsText, " Total = 3  -- Match = 3  Change = 0");
  ASSERT_EQ(files.Rows.size(), 3u);  // the walk ends at the sub-directory
  EXPECT_EQ(files.Rows[0].Image, GraphImageFileEqual);
  EXPECT_EQ(files.Rows[0].Name, "a.txt");
  EXPECT_EQ(files.Rows[0].Size, "(1,200 - 1,200)");
  EXPECT_EQ(files.Rows[0].Date, "(01/05/2024 - 12/31/2023)");
}

TEST_F(DirectoryFilesTest, RowsShowEachChangeWithItsImageSizeAndDate) {
  Add(NodeDir, "/n/", 0)->FileCount = 4;
  File("/n/changed.bin", "* -", 1234567, 89);
  File("/n/gone.txt", "D -", 42);
  File("/n/new.txt", "I -", 1000);
  File("/n/same.txt", "   ", 3, 3);
  const DirectoryFiles files = Files(0);
  ASSERT_EQ(files.Rows.size(), 4u);
  struct Expected {
    int image;
    const char* name;
    const char* size;
    const char* date;
  } expected[] = {
      {GraphImageFileChanged, "changed.bin", "(1,234,567 - 89)", "(01/05/2024 - 12/31/2023)"},
      {GraphImageFileDeleted, "gone.txt", "42", "01/05/2024"},
      {GraphImageFileInserted, "new.txt", "1,000", "01/05/2024"},
      {GraphImageFileEqual, "same.txt", "(3 - 3)", "(01/05/2024 - 12/31/2023)"},
  };
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(files.Rows[i].Image, expected[i].image);
    EXPECT_EQ(files.Rows[i].Name, expected[i].name);
    EXPECT_EQ(files.Rows[i].Size, expected[i].size);
    EXPECT_EQ(files.Rows[i].Date, expected[i].date);
  }
  EXPECT_EQ(files.TotalsText, " Total = 4  -- Match = 1  Change = 1  Insert = 1  Delete = 1");
}

TEST_F(DirectoryFilesTest, InsertedOnlyDirectoryUnderLmcfListsNothingButCountsAll) {
  Add(NodeDir, "/n/", 0)->FileCount = 2;
  File("/n/a", "I -", 1);
  File("/n/b", "I -", 2);
  EXPECT_EQ(Files(0).TotalsText, " Total = 2  -- Insert = 2");
  state.Options.OptLmcf = true;
  const DirectoryFiles files = Files(0);
  EXPECT_TRUE(files.Rows.empty());
  EXPECT_EQ(files.TotalsText, " Total = 2  -- Insert = 2     (Filtered by Lmcf)");
}

TEST_F(DirectoryFilesTest, LchvListsOnlyChangesAndWinsTheSuffixOverLmcf) {
  Add(NodeDir, "/n/", 0)->FileCount = 3;
  File("/n/a", "D -", 1);
  File("/n/b", "D -", 2);
  File("/n/c", "   ", 2, 2);
  state.Options.OptLchv = true;
  DirectoryFiles files = Files(0);
  ASSERT_EQ(files.Rows.size(), 2u);
  EXPECT_EQ(files.Rows[1].Name, "b");
  EXPECT_EQ(files.TotalsText,
            " Total = 3  -- Match = 1  Change = 0  Insert = 0  Delete = 2     (Filtered by Lchv)");
  state.Options.OptLmcf = true;  // Lmcf adds the equal file back
  files = Files(0);
  EXPECT_EQ(files.Rows.size(), 3u);
  EXPECT_EQ(files.TotalsText.substr(files.TotalsText.size() - 23), "     (Filtered by Lchv)");
}

TEST_F(DirectoryFilesTest, AllDeletedFilesShowTheDeleteForm) {
  Add(NodeDir, "/n/", 0)->FileCount = 1;
  File("/n/a", "D -", 1);
  EXPECT_EQ(Files(0).TotalsText, " Total = 1  -- Delete = 1");
}

TEST_F(DirectoryFilesTest, ADirectoryWithoutFilesShowsOneEmptyRow) {
  Add(NodeDir, "/n/", 0);
  Add(NodeDir, "/n/sub", 1);
  const DirectoryFiles files = Files(0);
  ASSERT_EQ(files.Rows.size(), 1u);
  EXPECT_EQ(files.Rows[0].Image, GraphImageNone);
  EXPECT_EQ(files.Rows[0].Name, "");
  EXPECT_EQ(files.TotalsText, "Total 0 Files");
}

TEST_F(DirectoryFilesTest, DeletedFilesOfADirectoryWithNoNewFilesAreStillListed) {
  // The New side of the pair holds no file (FileCount 0) but the Old side had two.
  Add(NodeDir, "/n/", 0)->FileCount = 0;
  File("/o/x", "D -", 10);
  File("/o/y", "D -", 20);
  const DirectoryFiles files = Files(0);
  EXPECT_EQ(files.Rows.size(), 2u);
  EXPECT_EQ(files.TotalsText, " Total = 2  -- Delete = 2");
}

TEST_F(DirectoryFilesTest, OnlyDirectoryRecordsAnswer) {
  Add(NodeDir, "/n/", 0);
  File("/n/a", "   ", 1, 1);
  EXPECT_FALSE(ListDirectoryFiles(state, 1, locale).has_value());
  EXPECT_FALSE(ListDirectoryFiles(state, -1, locale).has_value());
  EXPECT_FALSE(ListDirectoryFiles(state, 2, locale).has_value());
}

TEST(GraphFileList, NamesAreShownSafely) {
  RunState state;
  LocaleFacts locale;
  locale.ThousandsSeparator = ".";
  TreeNode* dir = state.TreeNodes.Add();
  dir->Kind = NodeDir;
  dir->Name = "/n/";
  state.NewTreeLines.push_back(dir);
  TreeNode* file = state.TreeNodes.Add();
  file->Kind = NodeFile;
  file->Level = 1;
  file->ChangeCode = "I -";
  file->Name = "line\nbreak";
  file->Size = 2500;
  state.NewTreeLines.push_back(file);
  const auto files = ListDirectoryFiles(state, 0, locale);
  ASSERT_TRUE(files);
  EXPECT_EQ(files->Rows[0].Name, "line?break");
  EXPECT_EQ(files->Rows[0].Size, "2.500");
}

TEST(GraphFileList, ImageOfEachChangeCode) {
  EXPECT_EQ(FileImageOf("   "), GraphImageFileEqual);
  EXPECT_EQ(FileImageOf("D -"), GraphImageFileDeleted);
  EXPECT_EQ(FileImageOf("I -"), GraphImageFileInserted);
  EXPECT_EQ(FileImageOf("* -"), GraphImageFileChanged);
  EXPECT_EQ(FileImageOf("Err"), GraphImageFileEqual);
}

}  // namespace
}  // namespace kav
