// How long the list viewers' outputs take on a report of 100,000 rows (not a test; run it on
// the offscreen platform or under xvfb-run):
//   list_output [ROWS] [FOLDER]
// Saves the single list as text and as RTF, prints it plain and in colour to PDF files, and
// prints and saves a split report of as many rows. Each save is also timed against writing
// the same bytes with `cat`, so the ratio shows what the layout costs beyond the disk. The
// files stay in FOLDER (default /tmp/kavdrift-list-output) to be looked at.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>
#include <cstdio>
#include <string>

#include "platform/AtomicFile.h"
#include "report/SplitLayouts.h"
#include "report/SplitRows.h"
#include "ui/viewers/ListOutput.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/logic/ColoredOutput.h"
#include "ui/viewers/logic/ListSaveFiles.h"
#include "ui/viewers/logic/ReportRtf.h"
#include "ui/viewers/logic/SplitPrintJobs.h"

using namespace kav;

namespace {

const char* const kCodes[] = {"    ", "*   ", "I - ", "D - "};

void FillSummary(RunState& state, int rows) {
  state.StartStamp = "01/05/24 13:05";
  state.ReportLines = {"Kavendrift Compare Program", "New Dir = /data/new/", "Old Dir = /data/old/",
                       "Ref#  Code  File name"};
  state.SummaryTopLine = 3;
  for (int i = 0; i < rows; ++i) {
    state.ReportLines.push_back(std::string(kCodes[i % 4]) + "src/module" + std::to_string(i / 50) +
                                "/file" + std::to_string(i) + ".cpp   12,345  01/05/24 13:05");
  }
  state.SummaryTotalsLine = static_cast<int>(state.ReportLines.size());
  state.ReportLines.push_back("OPTIONS = Chgo");
}

void FillSplit(RunState& state, int rows) {
  state.TreeCompareRun = true;
  state.StartStamp = "01/05/24 13:05";
  state.Panel.MnCbNewDirNm = "/data/new";
  state.Panel.MnCbOldDirNm = "/data/old";
  state.Split.LeftHeader = "Ref#  Codes ...Lvl#  New Directory/File-Name";
  state.Split.RightHeader = "Ref#  Codes ...Lvl#  Old Directory/File-Name";
  auto add = [&](TreeNodeList& list, uint8_t kind, uint32_t color, std::string text) {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = kind;
    node->Color = color;
    node->Text = std::move(text);
    list.push_back(node);
  };
  add(state.NewTreeLines, NodeHdr, 0, "Kavendrift New Directory (Inserts) Left-Split");
  add(state.OldTreeLines, NodeHdr, 0, "Kavendrift Old Directory (Deletes) Right-Split");
  for (int i = 1; i <= rows; ++i) {
    const std::string name = "  .. 2 /file" + std::to_string(i) + ".cpp";
    const bool changed = i % 3 == 0;
    add(state.NewTreeLines, NodeFile, changed ? ColorBlack : ColorBlue,
        (changed ? "* -" : "I -") + name);
    add(state.OldTreeLines, NodeFile, changed ? ColorBlack : ColorRed,
        (changed ? "* -" : "D -") + name);
  }
  state.NewNumberedCount = rows + 1;
  state.OldNumberedCount = rows + 1;
  add(state.NewTreeLines, NodeHdr, 0, "OPTIONS = Lsbs");
}

double Seconds(const QElapsedTimer& timer) {
  return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Writing `bytes` bytes with cat, the yardstick of the saves.
double CatSeconds(const std::string& from, const QString& to) {
  QElapsedTimer timer;
  timer.start();
  QProcess::execute("sh", {"-c", "cat '" + QString::fromStdString(from) + "' > '" + to + "'"});
  return Seconds(timer);
}

void Report(const char* what, double seconds, double limit, double yardstick = 0) {
  if (yardstick > 0) {
    std::printf("%-38s %7.3f s  (cat %.3f s, ratio %.1f)  target < %.0f s\n", what, seconds,
                yardstick, seconds / yardstick, limit);
  } else {
    std::printf("%-38s %7.3f s  target < %.0f s\n", what, seconds, limit);
  }
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& file) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setOutputFileName(file);
  return printer;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
  const QString folder =
      argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/kavdrift-list-output");
  QDir().mkpath(folder);
  const std::string dir = folder.toStdString() + "/";
  RunState state;
  FillSummary(state, rows);
  const std::string caption = " Kavendrift Compare Program Report - " + state.StartStamp;
  QElapsedTimer timer;

  timer.start();
  WriteFileAtomically(dir + "single.txt", SingleListFileText(state, caption));
  Report("single list, save as text", Seconds(timer), 1,
         CatSeconds(dir + "single.txt", folder + "/cat.txt"));

  timer.restart();
  WriteFileAtomically(dir + "single.rtf", ReportRtf(SingleColoredLines(state, caption), 10));
  Report("single list, save as RTF", Seconds(timer), 3,
         CatSeconds(dir + "single.rtf", folder + "/cat.rtf"));

  timer.restart();
  {
    auto printer = PdfPrinter(folder + "/single-plain.pdf");
    ui::PrintSession session(*printer, 10);
    session.Print(SingleListPrintJob(state, caption, "Ref#  Code  File name",
                                     ui::MeasurePageGeometry(*printer, 10)));
  }
  Report("single list, plain print to PDF", Seconds(timer), 30);

  timer.restart();
  {
    auto printer = PdfPrinter(folder + "/single-colour.pdf");
    ui::PrintSession session(*printer, 10);
    session.Print(ColoredDocument{"LsRichEdit1 Text", SingleColoredLines(state, caption)});
  }
  Report("single list, coloured print to PDF", Seconds(timer), 30);

  RunState split;
  FillSplit(split, rows);
  timer.restart();
  WriteFileAtomically(dir + "split.txt",
                      JoinedLines(SideBySideFileLines(split, LongestSplitRow(split), "")));
  Report("split report, side by side as text", Seconds(timer), 1,
         CatSeconds(dir + "split.txt", folder + "/cat.txt"));

  timer.restart();
  {
    ColoredDocument whole;
    SplitColoredOutput(
        split, ColoredMode::Save, [&](ColoredDocument&& d) { whole = std::move(d); },
        ui::RepaintPending);
    WriteFileAtomically(dir + "split.rtf", ReportRtf(whole.Lines, 8));
  }
  Report("split report, save as RTF", Seconds(timer), 3,
         CatSeconds(dir + "split.rtf", folder + "/cat.rtf"));

  timer.restart();
  {
    auto printer = PdfPrinter(folder + "/split-plain.pdf");
    ui::PrintSession session(*printer, 8);
    for (const PrintJob& job : SplitPrintJobs(split, ui::MeasurePageGeometry(*printer, 8), false)) {
      session.Print(job);
    }
    std::printf("  (%d spool jobs)\n", session.JobCount());
  }
  Report("split report, plain print", Seconds(timer), 30);

  timer.restart();
  {
    auto printer = PdfPrinter(folder + "/split-colour.pdf");
    ui::PrintSession session(*printer, 8);
    SplitColoredOutput(
        split, ColoredMode::Print, [&](ColoredDocument&& d) { session.Print(d); },
        ui::RepaintPending);
    std::printf("  (%d spool jobs)\n", session.JobCount());
  }
  Report("split report, coloured print", Seconds(timer), 30);
  QFile::remove(folder + "/cat.txt");
  QFile::remove(folder + "/cat.rtf");
  return 0;
}
