// Printing and saving from the list viewers, for real: prints go to PDF files that are read
// back with pdfinfo and pdftotext, saves to files that are read back whole.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>
#include <csignal>

#include <sys/resource.h>

#include "TreeViewerSupport.h"
#include "UiTestSupport.h"
#include "report/SplitLayouts.h"
#include "report/SplitRows.h"
#include "support/TempTree.h"
#include "ui/main/QtText.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/TFrmPrntLmt.h"
#include "ui/viewers/TFrmSbS.h"
#include "ui/viewers/TFrmVSingle.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/ViewerDialogs.h"
#include "ui/viewers/logic/ListSaveFiles.h"
#include "viewers/ListReportFixtures.h"

using namespace kav;
using namespace kav::ui;
using kav::test::FillAligned;
using kav::test::TempTree;

namespace {

// The platform dialogs answered by the test: a save name, and a printer writing `pdf`.
class ScriptedDialogs {
 public:
  ScriptedDialogs() {
    old_ = SetViewerDialogHooks(
        {[this](QWidget*, const QString&, const QString&, const QString&) { return fileName; },
         [this](QWidget*, QPrinter& printer) {
           if (pdf.isEmpty()) return false;
           UsePdf(printer, pdf);
           return true;
         }});
  }
  ~ScriptedDialogs() { SetViewerDialogHooks(old_); }

  static void UsePdf(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(file);
  }

  QString fileName;
  QString pdf;

 private:
  ViewerDialogHooks old_;
};

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run("pdfinfo", {pdf}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString PdfTitle(const QString& pdf) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Title:\\s+(.*)\n")).match(Run("pdfinfo", {pdf}));
  return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// The text lines of each page, blank lines dropped; pdftotext gives runs of blanks as one.
QList<QStringList> PdfPageLines(const QString& pdf) {
  QStringList pages = Run("pdftotext", {"-layout", pdf, "-"}).split(QChar('\f'));
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  QList<QStringList> result;
  for (const QString& page : pages) {
    QStringList lines;
    for (const QString& line : page.split('\n')) {
      if (!line.trimmed().isEmpty()) lines.append(line.simplified());
    }
    result.append(lines);
  }
  return result;
}

// The rows a page of a plain print holds on the test printer at `points`.
int RowsOnTestPage(int points) {
  QPrinter printer(QPrinter::HighResolution);
  ScriptedDialogs::UsePdf(printer, QDir::temp().filePath("unused.pdf"));
  return RowsPerPage(MeasurePageGeometry(printer, points));
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The colour switches of an RTF document, after checking that its groups balance and that
// it has a colour table; "unbalanced" or "no colour table" when not.
QStringList RtfColorSwitches(const QByteArray& rtf) {
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;  // an escaped character or a control word's first letter
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}' && --depth < 0) {
      return {"unbalanced"};
    }
  }
  if (depth != 0 || !rtf.startsWith("{\\rtf1")) return {"unbalanced"};
  if (!rtf.contains("{\\colortbl ;")) return {"no colour table"};
  QStringList switches;
  for (const QRegularExpressionMatch& m :
       QRegularExpression("\\\\cf(\\d+) ").globalMatch(QString::fromLatin1(rtf))) {
    switches.append(m.captured(1));
  }
  return switches;
}

QString FileCode(int i) {
  return i % 2 ? "*   " : "I - ";
}

// File row `i` of the summary as printed, without its leading blanks.
QString FileRow(int i) {
  return QString("%1 %2row%3").arg(i).arg(FileCode(i).simplified() + " ").arg(i, 4, 10, QChar('0'));
}

void FillSummary(RunState& state, int fileRows) {
  state.StartStamp = "01/05/24 13:05";
  state.Panel.MnCbNewDirNm = "/data/new/";
  state.ReportLines = {"Kavendrift Compare", "New Dir = /data/new/", "Old Dir = /data/old/",
                       "Ref#  Code  File"};
  state.SummaryTopLine = 3;
  for (int i = 1; i <= fileRows; ++i) {
    state.ReportLines.push_back(
        (FileCode(i) + QString("row%1").arg(i, 4, 10, QChar('0'))).toStdString());
  }
  state.SummaryTotalsLine = static_cast<int>(state.ReportLines.size());
}

// A split viewer with its two dialogs.
struct SplitWindows {
  explicit SplitWindows(RunState& state)
      : viewer(state, nullptr), sbs(new TFrmSbS(&viewer)), limit(new TFrmPrntLmt(state, &viewer)) {
    viewer.UseDialogs(sbs, limit);
    viewer.Prepare();
  }
  TFrmVSplit viewer;
  TFrmSbS* sbs;
  TFrmPrntLmt* limit;
};

}  // namespace

class ListPrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setQuitOnLastWindowClosed(false); }

  void singlePlainPrintBreaksPagesExactly() {
    const int perPage = RowsOnTestPage(10);
    RunState state;
    FillSummary(state, 2 * perPage - 4);  // with the 4 heading rows: two full pages
    TFrmVSingle viewer(state, nullptr);
    viewer.setWindowTitle(" Kavendrift Compare Program Report - 01/05/24 13:05");
    viewer.ShowRows("LIST HEADER");
    TempTree tree;
    ScriptedDialogs dialogs;
    test::Named<QPushButton>(viewer, "LsButPrint")->click();  // cancelled: nothing
    dialogs.pdf = ToQt(tree.Path("single.pdf"));
    test::Named<QPushButton>(viewer, "LsButPrint")->click();
    QCOMPARE(PdfPages(dialogs.pdf), 3);
    const QList<QStringList> pages = PdfPageLines(dialogs.pdf);
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages[0][0].startsWith("Kavendrift Compare Program Report - 01/05/24 13:05"));
    QVERIFY(pages[0][0].endsWith("Page 1"));
    QCOMPARE(pages[0][1], QString("Kavendrift Compare"));
    QCOMPARE(pages[0].size(), 1 + perPage);
    QCOMPARE(pages[0].back(), FileRow(perPage - 4));
    QVERIFY(pages[1][0].startsWith("LIST HEADER"));
    QVERIFY(pages[1][0].endsWith("Page 2"));
    QCOMPARE(pages[1][1], FileRow(perPage - 3));
    QCOMPARE(pages[1].size(), 1 + perPage);
    // The last page holds only its header.
    QCOMPARE(pages[2].size(), 1);
    QVERIFY(pages[2][0].startsWith("LIST HEADER"));
    QVERIFY(pages[2][0].endsWith("Page 3"));
    QCOMPARE(PdfTitle(dialogs.pdf), viewer.windowTitle().trimmed());
  }

  void splitPlainPrintLimitedSendsJobsOfTenTenAndFivePages() {
    const int perPage = RowsOnTestPage(8);
    RunState state;
    FillAligned(state, 24 * perPage + 1, 2);  // the New section fills 25 pages
    SplitWindows windows(state);
    TempTree tree;
    ScriptedDialogs dialogs;
    dialogs.pdf = ToQt(tree.Path("split.pdf"));
    test::RecordedMessages messages;
    {
      test::ModalWatcher<TFrmPrntLmt> cancel(
          [](TFrmPrntLmt* dialog) { test::Named<QPushButton>(*dialog, "PrntButCancel")->click(); });
      test::Named<QPushButton>(windows.viewer, "LsButPrint")->click();
      QCOMPARE(cancel.opened, 1);
    }
    QVERIFY(!QFile::exists(dialogs.pdf));
    QString estimate;
    test::ModalWatcher<TFrmPrntLmt> watcher([&](TFrmPrntLmt* dialog) {
      estimate = test::Named<QLabel>(*dialog, "PrntLblPages")->text();
      test::Named<QRadioButton>(*dialog, "PrntCkUseLns")->setChecked(true);
      test::Named<QLineEdit>(*dialog, "PrntEdLmtVal")->setText("0");
      test::Named<QPushButton>(*dialog, "PrntButUse")->click();  // refused, stays open
      QVERIFY(dialog->isVisible());
      test::Named<QLineEdit>(*dialog, "PrntEdLmtVal")->setText("25");
      test::Named<QPushButton>(*dialog, "PrntButUse")->click();
    });
    test::Named<QPushButton>(windows.viewer, "LsButPrint")->click();
    QCOMPARE(watcher.opened, 1);
    QCOMPARE(messages.shown, QStringList({"Job segment page value not valid. Respecify"}));
    QVERIFY(estimate.contains('/'));
    QVERIFY(!state.PrintAllPages);
    QCOMPARE(state.SegmentPagesText, std::string("25"));
    const QStringList files = {"split.pdf", "split-2.pdf", "split-3.pdf", "split-4.pdf"};
    const QList<int> counts = {10, 10, 5, 1};
    for (int i = 0; i < files.size(); ++i) {
      QCOMPARE(PdfPages(ToQt(tree.Path(FromQt(files[i])))), counts[i]);
    }
    QVERIFY(!QFile::exists(ToQt(tree.Path("split-5.pdf"))));
    const QList<QStringList> second = PdfPageLines(ToQt(tree.Path("split-2.pdf")));
    QVERIFY(second[0][0].startsWith("Kavendrift File Compare Listing - 01/05/24 13:05"));
    QVERIFY(second[0][0].endsWith("Page 11"));
    QCOMPARE(second[0][1], QString("(Continuation) Section 1 -- NewFile = /data/new"));
    QCOMPARE(second[0][2], QString("%1 I - /file%1.txt").arg(10 * perPage + 1));
    QVERIFY(second[1][0].endsWith("Page 12"));
    QCOMPARE(PdfTitle(ToQt(tree.Path("split-3.pdf"))),
             QString("(Continuation) Section 1 -- NewFile = /data/new"));
    const QList<QStringList> old = PdfPageLines(ToQt(tree.Path("split-4.pdf")));
    QCOMPARE(old[0].mid(1), QStringList({"Section 2 -- OldFile = /data/old", "1 D - /file1.txt",
                                         "2 D - /file2.txt", "OPTIONS = Lsbs"}));
    QVERIFY(old[0][0].endsWith("Page 26"));
  }

  void singleSaveAsWritesTextOrAfterYesRichText() {
    RunState state;
    FillSummary(state, 3);
    TFrmVSingle viewer(state, nullptr);
    viewer.setWindowTitle(" Kavendrift Compare Program Report - 01/05/24 13:05");
    viewer.ShowRows("LIST HEADER");
    TempTree tree;
    ScriptedDialogs dialogs;
    test::RecordedMessages messages;
    dialogs.fileName = ToQt(tree.Path("report"));
    test::Named<QPushButton>(viewer, "LsButSaveAs")->click();
    QCOMPARE(state.OutputFileName, tree.Path("report.txt"));
    QCOMPARE(ReadAll(ToQt(tree.Path("report.txt"))),
             QByteArray(" \n Kavendrift Compare Program Report - 01/05/24 13:05\n"
                        " Kavendrift Compare\n New Dir = /data/new/\n Old Dir = /data/old/\n"
                        " Ref#  Code  File\n   1  *   row0001\n   2  I - row0002\n"
                        "   3  *   row0003\n"));
    messages.answer = false;
    dialogs.fileName = ToQt(tree.Path("report.RTF"));
    test::Named<QPushButton>(viewer, "LsButSaveAs")->click();
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(messages.asked[0].contains("\"SaveToFile\" generation"));
    QVERIFY(messages.asked[0].contains("The line count volume is 8. Continue(yes) or Abort(no)"));
    QVERIFY(!QFile::exists(dialogs.fileName));
    messages.answer = true;
    test::Named<QPushButton>(viewer, "LsButSaveAs")->click();
    // Header and "Kavendrif" red, "New Dir =" blue, "Old Dir =" red, headings black, then
    // red "*" rows and black others.
    const QStringList switches = RtfColorSwitches(ReadAll(dialogs.fileName));
    QCOMPARE(switches, QStringList({"1", "2", "1", "3", "1", "3", "1"}));
    QVERIFY(ReadAll(dialogs.fileName)
                .contains("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
                          "\\red0\\green0\\blue0;}"));
    // Where LibreOffice is installed, the file opens there and shows every row.
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty()) QSKIP("LibreOffice is not installed: the RTF was only parsed");
    QProcess convert;
    convert.start(office, {"-env:UserInstallation=file://" + ToQt(tree.Path("office")),
                           "--headless", "--convert-to", "txt:Text (encoded):UTF8", "--outdir",
                           ToQt(tree.Path("txt")), dialogs.fileName});
    QVERIFY(convert.waitForFinished(180000));
    const QString text = QString::fromUtf8(ReadAll(ToQt(tree.Path("txt/report.txt"))));
    for (const char* row : {"New Dir = /data/new/", "*   row0001", "I - row0002", "*   row0003"})
      QVERIFY2(text.contains(QString::fromUtf8(row)), row);
  }

  void singleColouredPrintIsOneDocument() {
    RunState state;
    FillSummary(state, 30);
    TFrmVSingle viewer(state, nullptr);
    viewer.ShowRows("LIST HEADER");
    TempTree tree;
    ScriptedDialogs dialogs;
    test::RecordedMessages messages;
    dialogs.pdf = ToQt(tree.Path("colour.pdf"));
    test::Named<QPushButton>(viewer, "LsButColorPrint")->click();
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(messages.asked[0].startsWith("The colored RFT \"Print\" generation"));
    QCOMPARE(PdfTitle(dialogs.pdf), QString("LsRichEdit1 Text"));
    const QList<QStringList> pages = PdfPageLines(dialogs.pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].first(), QString("LIST HEADER"));
    QCOMPARE(pages[0][1], QString("1 Kavendrift Compare"));
    QCOMPARE(pages[0].back(), QString("34 I - row0030"));
  }

  void longPrintsLetTheScreenRepaintEvery100Lines() {
    TempTree tree;
    QPrinter printer(QPrinter::HighResolution);
    ScriptedDialogs::UsePdf(printer, ToQt(tree.Path("long.pdf")));
    int polls = 0;
    PrintSession session(printer, 8, [&] { ++polls; });
    ColoredDocument document{"long", std::vector<ColoredLine>(1050, {ColorBlue, "row"})};
    QVERIFY(session.Print(document));
    QCOMPARE(polls, 10);
    // As many lines to a page as fit: the page height in lines of 8 points.
    const int perPage = MeasurePageGeometry(printer, 8).LinesPerPage + 4;
    QCOMPARE(PdfPages(ToQt(tree.Path("long.pdf"))), (1050 + perPage - 1) / perPage);
  }

  void splitColouredOutputPrintsChunksAndSavesOneRichTextFile() {
    RunState state;
    FillAligned(state, 900, 3);
    SplitWindows windows(state);
    TempTree tree;
    ScriptedDialogs dialogs;
    dialogs.pdf = ToQt(tree.Path("colour.pdf"));
    test::Named<QPushButton>(windows.viewer, "LsButColorPrint")->click();
    QCOMPARE(PdfTitle(dialogs.pdf), QString("RichEdit Text800"));
    QCOMPARE(PdfTitle(ToQt(tree.Path("colour-2.pdf"))), QString("RichEdit Text901"));
    QCOMPARE(PdfTitle(ToQt(tree.Path("colour-3.pdf"))), QString("RichEdit Text"));
    QVERIFY(!QFile::exists(ToQt(tree.Path("colour-4.pdf"))));
    const QList<QStringList> last = PdfPageLines(ToQt(tree.Path("colour-3.pdf")));
    QCOMPARE(last[0], QStringList({"Section 2 -- OldFile = /data/old", "Ref# Codes Old Name",
                                   "Kavendrift Old Directory", "1 D - /file1.txt",
                                   "2 D - /file2.txt", "3 D - /file3.txt", "OPTIONS = Lsbs"}));
    dialogs.fileName = ToQt(tree.Path("split.rtf"));
    test::Named<QPushButton>(windows.viewer, "LsButSaveAs")->click();
    const QByteArray rtf = ReadAll(dialogs.fileName);
    QVERIFY(rtf.contains("******** PrintOut Separator ********"));
    // Title black; section and titles red; New rows blue (the separator too); the Old
    // section red; the summary blue.
    QCOMPARE(RtfColorSwitches(rtf), QStringList({"1", "2", "3", "2", "3"}));
  }

  void splitSaveAsSideBySideMatchesTheCommandLineAndAppends() {
    RunState state;
    FillAligned(state, 3, 2);
    SplitWindows windows(state);
    TempTree tree;
    ScriptedDialogs dialogs;
    dialogs.fileName = ToQt(tree.Path("split"));
    {
      test::ModalWatcher<TFrmSbS> sideBySide([](TFrmSbS* dialog) {
        test::Named<QRadioButton>(*dialog, "SbsRdDouble")->setChecked(true);
        test::Named<QPushButton>(*dialog, "SbsButUse")->click();
      });
      test::Named<QPushButton>(windows.viewer, "LsButSaveAs")->click();
    }
    const QString path = ToQt(tree.Path("split.Txt"));
    // The command line writes this report with the same call: same run, same file.
    const QByteArray once = QByteArray::fromStdString(
        JoinedLines(SideBySideFileLines(state, LongestSplitRow(state), "")));
    QCOMPARE(ReadAll(path), once);
    QCOMPARE(ReadAll(path).split('\n')[6].size(), 131);
    QVERIFY(!state.SaveStacked);
    dialogs.fileName = path;
    test::ModalWatcher<TFrmSbS> append([](TFrmSbS* dialog) {
      test::Named<QRadioButton>(*dialog, "SbsRdSingle")->setChecked(true);
      test::Named<QCheckBox>(*dialog, "SbsCkTitle")->setChecked(true);
      test::Named<QLineEdit>(*dialog, "SbsEdTitle")->setText("Weekly");
      test::Named<QCheckBox>(*dialog, "SbsCkAppend")->setChecked(true);
      test::Named<QPushButton>(*dialog, "SbsButUse")->click();
    });
    test::Named<QPushButton>(windows.viewer, "LsButSaveAs")->click();
    const QByteArray appended = ReadAll(path);
    QCOMPARE(appended.left(once.size()), once);
    QCOMPARE(appended.mid(once.size()),
             QByteArray::fromStdString(JoinedLines(StackedFileLines(state, "Weekly"))));
    QVERIFY(state.SaveStacked);
  }

  void appendThatCannotBeWrittenKeepsTheOldFileWhole() {
    RunState state;
    FillAligned(state, 3, 2);
    SplitWindows windows(state);
    TempTree tree;
    ScriptedDialogs dialogs;
    test::RecordedMessages messages;
    const QByteArray old(4000, 'x');
    tree.File("kept.txt", old.toStdString());
    dialogs.fileName = ToQt(tree.Path("kept.txt"));
    test::ModalWatcher<TFrmSbS> append([](TFrmSbS* dialog) {
      test::Named<QCheckBox>(*dialog, "SbsCkAppend")->setChecked(true);
      test::Named<QPushButton>(*dialog, "SbsButUse")->click();
    });
    // Files may not grow past 4096 bytes: the combined file cannot be written.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    test::Named<QPushButton>(windows.viewer, "LsButSaveAs")->click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(append.opened, 1);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(ReadAll(dialogs.fileName), old);
    QCOMPARE(QDir(ToQt(tree.Root())).entryList(QDir::Files | QDir::Hidden),
             QStringList({"kept.txt"}));
  }
};

QTEST_MAIN(ListPrintingTest)
#include "ListPrinting_qtest.moc"
