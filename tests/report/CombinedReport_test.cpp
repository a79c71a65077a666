#include "report/CombinedReport.h"

#include <gtest/gtest.h>

#include "run/TreeEngine.h"
#include "support/ReportRows.h"
#include "support/TempTree.h"

namespace kav {

// Found by argument-dependent lookup; internal to this test.
static bool operator==(const ColoredLine& a, const ColoredLine& b) {
  return a.Color == b.Color && a.Text == b.Text;
}

static void PrintTo(const ColoredLine& line, std::ostream* os) {
  *os << std::hex << line.Color << std::dec << " \"" << line.Text << "\"";
}

namespace {

using Lines = std::vector<ColoredLine>;

const ColoredLine Blank{ColorBlack, " "};

Lines Head(const char* stamp = "12/08/24 09:30") {
  return {Blank,
          {ColorBlack, std::string(" Kavendrift Combined Directory and File Report - ") + stamp},
          {ColorBlue, " New Dir = /new/base "},
          {ColorRed, " Old Dir = /old/base "}};
}

const Lines ColumnHeader = {
    {ColorBlack, " S-D   Lvl  S-F    Dir/File-Name        (Size)    (#Files)"},
    {ColorBlack, " ---   ---  ---    -------------        ------    --------"}};

const Lines Legend = {
    Blank,
    {ColorBlack, " Status-Dir (S-D)                       Status-File (S-F)"},
    {ColorBlack, " -----------------------------------    ------------------------"},
    {ColorBlack, " ( ) - Unchanged files in paired dir    Blank - Unchanged  file"},
    {ColorBlack, " (*) - Chg/ins/del file in paired dir   (*)   - Changed  file"},
    {ColorBlack, " (+) - Inserted non-paired  dir         (+)   - Inserted file"},
    {ColorBlack, " (-) - Deleted  non-paired dir          (-)   - Deleted  file"},
    {ColorBlack, "  "}};

void Append(Lines& to, const Lines& more) {
  to.insert(to.end(), more.begin(), more.end());
}

// The example: x.txt equal, y.txt changed from 100 to 120 bytes, sub only in the Old tree
// holding one 7-byte file.
void CombinedExample(test::ReportRows& rows) {
  TreeNodeList& lines = rows.state.NewTreeLines;
  TreeNode* root = rows.Add(lines, NodeDir, "/new/base/", "   ", 170);
  root->OldSize = 157;
  root->HasChanges = 1;
  root->FileCount = 2;
  root->OldFileCount = 2;
  rows.Add(lines, NodeFile, "/new/base/x.txt", "   ", 50)->OldSize = 50;
  rows.Add(lines, NodeFile, "/new/base/y.txt", "* -", 120)->OldSize = 100;
  rows.Add(lines, NodeDir, "/old/base/sub", "DD-", 7)->FileCount = 1;
  rows.Add(lines, NodeFile, "/old/base/sub/z.dat", "D -", 7);
  TreeTotals& t = rows.state.Totals;
  t.NewFileTotal = 2;
  t.TotalFiles = 3;
  t.EqualFiles = 1;
  t.ChangedFiles = 1;
  t.DeletedFiles = 1;
  t.DeletedDirs = 1;
}

Lines ExampleSummary(const char* options) {
  return {{ColorBlack, " Kavendrift FINAL SUMMARY TOTALS  "},
          {ColorBlue, " New Dir = /new/base "},
          {ColorRed, " Old Dir = /old/base "},
          {ColorBlack, "       5 Total Files Processed."},
          {ColorBlack, "       2 New/Old (Matched Names) Files Processed."},
          {ColorBlack, "       1 New/Old (Matched Names) Files Changed."},
          {ColorBlack, "       0 New Single Files Inserted."},
          {ColorBlack, "       1 Old Single Files Deleted."},
          {ColorBlack, "       1 Sub-level Directories Processed."},
          {ColorBlack, "       0 (New/Old) Sub-level Dir had Matched Names."},
          {ColorBlack, "       1 Total Inserted/Deleted Sub-Level Dir Names."},
          {ColorBlack, "       0 New Sub-Level Dir Names Inserted."},
          {ColorBlack, "       1 Old Sub-Level Dir Names Deleted."},
          {ColorBlack, std::string(" OPTIONS = ") + options},
          {ColorRed, " Kavendrift found changes in the Sub-level Directories and files checked."}};
}

// The lines between the column header and the legend.
Lines RowLines(const Lines& report) {
  const std::size_t first = 6;
  std::size_t end = first;
  while (end < report.size() && report[end].Text !=
                                    " Status-Dir (S-D)                       "
                                    "Status-File (S-F)") {
    ++end;
  }
  if (end < first + 1) return {};
  return Lines(report.begin() + first, report.begin() + static_cast<long>(end) - 1);
}

TEST(CombinedReport, ExampleGivesTheWholeColouredReport) {
  test::ReportRows rows;
  CombinedExample(rows);
  BuildCombinedReport(rows.ctx);

  Lines expected = Head();
  Append(expected, ColumnHeader);
  Append(expected, {{ColorBlack, " (*) .  0      base / base  (170 - 157)  (Files = 2 - 2)"},
                    {ColorBlack, "     ..  1      x.txt  (50)"},
                    {ColorBlack, "     ..  1  (*) y.txt  (120 - 100)"},
                    {ColorRed, " (-) ..  1      sub  (7)  (Files = 1)"}});
  Append(expected, Legend);
  Append(expected, ExampleSummary("None"));
  EXPECT_EQ(rows.state.CombinedReport, expected);

  int64_t length = 0;
  for (const ColoredLine& line : expected) length += static_cast<int64_t>(line.Text.size()) + 1;
  EXPECT_EQ(rows.state.CombinedReportMark, length);
}

TEST(CombinedReport, RebuildingGivesTheSameReportAndLeavesRecordsAlone) {
  test::ReportRows rows;
  CombinedExample(rows);
  rows.state.NewTreeLines[1]->Size = int64_t{5} << 30;  // a file of 5 GB
  rows.state.NewTreeLines[1]->OldSize = int64_t{5} << 30;
  std::vector<TreeNode> before;
  for (const TreeNode* node : rows.state.NewTreeLines) before.push_back(*node);
  BuildCombinedReport(rows.ctx);
  const Lines first = rows.state.CombinedReport;
  const int64_t mark = rows.state.CombinedReportMark;
  BuildCombinedReport(rows.ctx);
  EXPECT_EQ(rows.state.CombinedReport, first);
  EXPECT_EQ(rows.state.CombinedReportMark, mark);
  for (std::size_t k = 0; k < before.size(); ++k) {
    const TreeNode& now = *rows.state.NewTreeLines[k];
    EXPECT_EQ(now.Size, before[k].Size);
    EXPECT_EQ(now.ChangeCode, before[k].ChangeCode);
    EXPECT_EQ(now.Text, before[k].Text);
    EXPECT_EQ(now.Color, before[k].Color);
  }
}

TEST(CombinedReport, OverallSummaryOnlyLeavesTitleNamesAndSummary) {
  test::ReportRows rows;
  CombinedExample(rows);
  rows.state.Options.OptOvso = true;
  rows.state.Options.OptVeqf = true;
  rows.state.CombinedTree.resize(3);
  BuildCombinedReport(rows.ctx);

  Lines expected = Head();
  Lines summary = ExampleSummary("Veqf Ovso ");
  summary.erase(summary.begin() + 1, summary.begin() + 3);  // no New/Old Dir lines
  Append(expected, summary);
  EXPECT_EQ(rows.state.CombinedReport, expected);
  EXPECT_TRUE(rows.state.CombinedTree.empty());
}

// Rows for the filter cases: a.txt equal at the top; sub paired holding b and c equal and
// d changed; zed inserted holding e and f.
void FilterExample(test::ReportRows& rows) {
  TreeNodeList& lines = rows.state.NewTreeLines;
  rows.Add(lines, NodeDir, "/new/base/", "   ", 0);
  rows.Add(lines, NodeFile, "/new/base/a.txt", "   ", 1);
  TreeNode* sub = rows.Add(lines, NodeDir, "/new/base/sub", "   ", 30);
  sub->HasChanges = 1;
  sub->OldSize = 20;
  sub->FileCount = sub->OldFileCount = 3;
  rows.Add(lines, NodeFile, "/new/base/sub/b.txt", "   ", 5);
  rows.Add(lines, NodeFile, "/new/base/sub/c.txt", "   ", 5);
  rows.Add(lines, NodeFile, "/new/base/sub/d.txt", "* -", 20)->OldSize = 10;
  rows.Add(lines, NodeDir, "/new/base/zed", "ID-", 8)->FileCount = 2;
  rows.Add(lines, NodeFile, "/new/base/zed/e.txt", "I -", 4);
  rows.Add(lines, NodeFile, "/new/base/zed/f.txt", "I -", 4);
}

TEST(CombinedReport, LchvWithGmsgReplacesHiddenRowsByIndentedMessages) {
  test::ReportRows rows;
  FilterExample(rows);
  rows.state.Options.OptLchv = true;
  rows.state.Options.OptGmsg = true;
  BuildCombinedReport(rows.ctx);
  const std::string b16(16, ' '), b17(17, ' ');
  const Lines expected = {{ColorBlack, b16 + b17 + "(1 Matched Line(s) Filtered)"},
                          {ColorBlack, " (*) ..  1      sub  (30 - 20)  (Files = 3 - 3)"},
                          {ColorBlack, "     ...  2  (*) d.txt  (20 - 10)"},
                          {ColorBlack, b17 + b17 + "(2 Matched Line(s) Filtered)"},
                          {ColorBlue, " (+) ..  1      zed  (8)  (Files = 2)"},
                          {ColorBlack, b17 + b17 + "(2 Ins Line(s) Filtered)"}};
  Lines got = RowLines(rows.state.CombinedReport);
  ASSERT_FALSE(got.empty());
  got.erase(got.begin());  // the root line
  EXPECT_EQ(got, expected);
  EXPECT_EQ(rows.state.CombinedReport[rows.state.CombinedReport.size() - 2].Text,
            " OPTIONS = Lchv Gmsg ");
}

TEST(CombinedReport, LchvWithoutGmsgHidesSilently) {
  test::ReportRows rows;
  FilterExample(rows);
  rows.state.Options.OptLchv = true;
  BuildCombinedReport(rows.ctx);
  Lines got = RowLines(rows.state.CombinedReport);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[1].Text, " (*) ..  1      sub  (30 - 20)  (Files = 3 - 3)");
  EXPECT_EQ(got[2].Text, "     ...  2  (*) d.txt  (20 - 10)");
  EXPECT_EQ(got[3].Text, " (+) ..  1      zed  (8)  (Files = 2)");
}

TEST(CombinedReport, WithoutOptionsSingleFilesAreHiddenAndEqualFilesShown) {
  test::ReportRows rows;
  FilterExample(rows);
  rows.state.Options.OptGmsg = true;
  BuildCombinedReport(rows.ctx);
  Lines got = RowLines(rows.state.CombinedReport);
  ASSERT_EQ(got.size(), 8u);
  EXPECT_EQ(got[1], (ColoredLine{ColorBlack, "     ..  1      a.txt  (1)"}));
  EXPECT_EQ(got[3], (ColoredLine{ColorBlack, "     ...  2      b.txt  (5)"}));
  EXPECT_EQ(got[6], (ColoredLine{ColorBlue, " (+) ..  1      zed  (8)  (Files = 2)"}));
  // The indent of the last shown equal file: the width of its status columns.
  EXPECT_EQ(got[7], (ColoredLine{ColorBlack, std::string(16, ' ') + std::string(17, ' ') +
                                                 "(2 Ins Line(s) Filtered)"}));
}

TEST(CombinedReport, LmcfCountsSingleFilesIntoTheNextMessage) {
  test::ReportRows rows;
  TreeNodeList& lines = rows.state.NewTreeLines;
  rows.Add(lines, NodeDir, "/new/base/", "   ", 0);
  rows.Add(lines, NodeFile, "/new/base/new.txt", "I -", 1);
  rows.Add(lines, NodeFile, "/old/base/gone/old.txt", "D -", 1);  // its directory not listed
  rows.Add(lines, NodeDir, "/new/base/sub", "   ", 0);
  rows.Add(lines, NodeFile, "/old/base/sub/x.txt", "D -", 1);
  rows.Add(lines, NodeDir, "/new/base/zed", "ID-", 1);  // listed by mistake: stays quiet
  rows.Add(lines, NodeFile, "/new/base/zed/y.txt", "I -", 1);
  rows.state.Options.OptLmcf = true;
  rows.state.Options.OptGmsg = true;
  BuildCombinedReport(rows.ctx);
  Lines got = RowLines(rows.state.CombinedReport);
  const std::string b3(3, ' '), b17(17, ' ');
  const Lines expected = {{ColorBlack, b3 + b17 + "(1 Ins 1 Del Line(s) Filtered)"},
                          {ColorBlack, " ( ) ..  1      sub  (0 - 0)  (Files = 0 - 0)"},
                          {ColorBlack, b3 + b17 + "(1 Del Line(s) Filtered)"}};
  ASSERT_FALSE(got.empty());
  got.erase(got.begin());
  EXPECT_EQ(got, expected);
  EXPECT_EQ(rows.state.CombinedReport[rows.state.CombinedReport.size() - 2].Text,
            " OPTIONS = Lmcf Gmsg ");
}

TEST(CombinedReport, FilesOfTwoGigabytesOrMoreShowErrAndZero) {
  test::ReportRows rows;
  TreeNodeList& lines = rows.state.NewTreeLines;
  const int64_t threeGb = int64_t{3} << 30;
  rows.Add(lines, NodeDir, "/new/base/", "   ", threeGb + 100)->OldSize = 100;
  rows.Add(lines, NodeFile, "/new/base/big.iso", "* -", threeGb)->OldSize = 100;
  rows.Add(lines, NodeFile, "/new/base/old.iso", "* -", 100)->OldSize = 2147483648;
  rows.Add(lines, NodeFile, "/new/base/same.iso", "   ", threeGb)->OldSize = threeGb;
  rows.Add(lines, NodeFile, "/new/base/max.iso", "   ", 2147483647)->OldSize = 2147483647;
  BuildCombinedReport(rows.ctx);
  const Lines expected = {
      {ColorBlack, "     .  0      base / base  (3,221,225,572 - 100)  (Files = 0 - 0)"},
      {ColorBlack, "     ..  1  Err big.iso  (0 - 100)"},
      {ColorBlack, "     ..  1  Err old.iso  (100 - 0)"},
      {ColorBlack, "     ..  1  Err same.iso  (0)"},
      {ColorBlack, "     ..  1      max.iso  (2,147,483,647)"}};
  EXPECT_EQ(RowLines(rows.state.CombinedReport), expected);
}

TEST(CombinedReport, ItdtAddsTheStampColumnAndDates) {
  test::ReportRows rows;
  TreeNodeList& lines = rows.state.NewTreeLines;
  // 5 January 2024 13:05 and 31 December 2023 08:00, packed.
  const uint32_t jan5 = (44u << 25) | (1u << 21) | (5u << 16) | (13u << 11) | (5u << 5);
  const uint32_t dec31 = (43u << 25) | (12u << 21) | (31u << 16) | (8u << 11);
  rows.Add(lines, NodeDir, "/new/base/", "   ", 0);
  TreeNode* changed = rows.Add(lines, NodeFile, "/new/base/c.txt", "* -", 2);
  changed->OldSize = 1;
  changed->Date = jan5;
  changed->OldDate = dec31;
  rows.Add(lines, NodeFile, "/new/base/e.txt", "   ", 3)->Date = dec31;
  rows.state.Options.OptItdt = true;
  BuildCombinedReport(rows.ctx);
  const Lines& report = rows.state.CombinedReport;
  ASSERT_GT(report.size(), 8u);
  EXPECT_EQ(report[4].Text,
            " S-D   Lvl  S-F    Dir/File-Name        (Size)    (#Files)   (File-Time-Stamp)");
  EXPECT_EQ(report[5].Text,
            " ---   ---  ---    -------------        ------    --------   -----------------");
  EXPECT_EQ(report[7].Text, "     ..  1  (*) c.txt  (2 - 1)    (01/05/2024 - 12/31/2023)");
  EXPECT_EQ(report[8].Text, "     ..  1      e.txt  (3)    (12/31/2023)");
  EXPECT_EQ(report[report.size() - 2].Text, " OPTIONS = Itdt");
}

TEST(CombinedReport, SizesUseTheLocaleSeparator) {
  test::ReportRows rows;
  rows.locale.ThousandsSeparator = ".";
  rows.Add(rows.state.NewTreeLines, NodeDir, "/new/base/", "   ", 1234567)->OldSize = 1000;
  BuildCombinedReport(rows.ctx);
  EXPECT_EQ(rows.state.CombinedReport[6].Text,
            "     .  0      base / base  (1.234.567 - 1.000)  (Files = 0 - 0)");
}

TEST(FileStatusText, MapsChangeCodes) {
  EXPECT_EQ(FileStatusText("* -"), "(*)");
  EXPECT_EQ(FileStatusText("I -"), "(+)");
  EXPECT_EQ(FileStatusText("D -"), "(-)");
  EXPECT_EQ(FileStatusText("   "), "   ");
  EXPECT_EQ(FileStatusText("ID-"), "   ");
}

TEST(CombinedReport, ExampleTreesOnDiskThroughTheEngine) {
  test::TempTree tree;
  tree.File("new/base/x.txt", "same");
  tree.File("old/base/x.txt", "same");
  tree.SizedFile("new/base/y.txt", 120);
  tree.SizedFile("old/base/y.txt", 100);
  tree.SizedFile("old/base/sub/z.dat", 7);
  test::ReportRows rows;
  RunState& state = rows.state;
  state.NewDirName = tree.Path("new/base") + "/";
  state.OldDirName = tree.Path("old/base") + "/";
  state.TreeCompareRun = true;
  state.ShowGraphViewer = true;
  RunTreeEngine(rows.ctx);

  const Lines expected = {{ColorBlack, " (*) .  0      base / base  (124 - 111)  (Files = 2 - 2)"},
                          {ColorBlack, "     ..  1      x.txt  (4)"},
                          {ColorBlack, "     ..  1  (*) y.txt  (120 - 100)"},
                          {ColorRed, " (-) ..  1      sub  (7)  (Files = 1)"}};
  EXPECT_EQ(RowLines(state.CombinedReport), expected);
  const Lines& report = state.CombinedReport;
  ASSERT_GT(report.size(), 3u);
  EXPECT_EQ(report[report.size() - 12].Text, "       5 Total Files Processed.");
  EXPECT_EQ(report.back().Text,
            " Kavendrift found changes in the Sub-level Directories and files checked.");
}

}  // namespace
}  // namespace kav
