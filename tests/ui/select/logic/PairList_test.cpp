#include "ui/select/logic/PairList.h"

#include <gtest/gtest.h>

#include "support/TempTree.h"

namespace kav {
namespace {

using Texts = std::vector<std::string>;

Texts TextsOf(const PairList& pairs) {
  Texts texts;
  for (const PairEntry& pair : pairs) texts.push_back(PairText(pair));
  return texts;
}

TEST(PairList, KeptTextRoundTripsNamesWithBlanksAndColons) {
  const PairList pairs = ParsePairSelection("report.txt : report_old.txt;name  :  old ;a : b:c;");
  EXPECT_EQ(TextsOf(pairs), (Texts{"report.txt : report_old.txt", "name  :  old ", "a : b:c"}));
  EXPECT_EQ(pairs[1].New, "name ");
  EXPECT_EQ(pairs[1].Old, " old ");
  EXPECT_EQ(pairs[2].Old, "b:c");
  EXPECT_EQ(PairSelectionText(pairs), "report.txt : report_old.txt;name  :  old ;a : b:c;");
}

TEST(PairList, CheckPairsDropsPairsWhoseFilesAreGoneAndKeepsDuplicates) {
  test::TempTree tree;
  tree.File("new/Report.txt", "1");
  tree.File("new/b", "1");
  tree.File("old/report_old.TXT", "1");
  tree.File("old/b", "1");
  const SelectableFiles news(RealFileSystem(), tree.Path("new"), FileMask("*.*"));
  const SelectableFiles olds(RealFileSystem(), tree.Path("old"), FileMask("*.*"));
  PairList pairs = ParsePairSelection(
      "report.txt : report_old.txt;b : gone;gone : b;b : b;report.txt : report_old.txt;");
  CheckPairs(pairs, news, olds);
  EXPECT_EQ(TextsOf(pairs),
            (Texts{"report.txt : report_old.txt", "b : b", "report.txt : report_old.txt"}));
  EXPECT_EQ(pairs[0].NewDisk, "Report.txt");
  EXPECT_EQ(pairs[0].OldDisk, "report_old.TXT");

  const SelectableFiles fewer(RealFileSystem(), tree.Path("new"), FileMask("*.txt"));
  const std::vector<SelectedPair> listed = ListedPairs(pairs, fewer, olds);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[1].New, "Report.txt");
  RemovePairRows(pairs, {2, 0});
  EXPECT_EQ(TextsOf(pairs), (Texts{"b : b"}));
}

TEST(SelectableFiles, OffersRegularFilesOnlyDotFilesIncluded) {
  test::TempTree tree;
  tree.File("dir/.hidden", "1");
  tree.File("dir/Plain.TXT", "1");
  tree.Dir("dir/sub");
  tree.Fifo("dir/pipe");
  const SelectableFiles files(RealFileSystem(), tree.Path("dir"), FileMask(""));
  ASSERT_EQ(files.Count(), 2);
  EXPECT_EQ(files.Files()[0].Name, ".hidden");
  EXPECT_EQ(files.Files()[1].Name, "plain.txt");
  EXPECT_EQ(files.Files()[1].Disk, "Plain.TXT");
  EXPECT_EQ(files.Find("PLAIN.txt"), &files.Files()[1]);
  EXPECT_EQ(files.Find("pipe"), nullptr);
  EXPECT_TRUE(SelectableFiles(RealFileSystem(), tree.Path("nowhere"), FileMask("")).Empty());
}

}  // namespace
}  // namespace kav
