// The tree graph viewer over a real type 2 run: directory tree, file list, report, jumps,
// find, font size, save, print, legend and the opener's geometry.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTreeView>
#include <QtTest>

#include "TreeViewerSupport.h"
#include "UiTestSupport.h"
#include "run/TreeEngine.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/GraphFileModel.h"
#include "ui/viewers/GraphReportView.h"
#include "ui/viewers/GraphTreeModel.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TreeViewers.h"
#include "ui/viewers/ViewerDialogs.h"
#include "ui/viewers/logic/GraphFileList.h"

using namespace kav;
using namespace kav::ui;
using kav::test::Q;

namespace {

// Finds the tree node titled `title` anywhere below `parent`.
QModelIndex NodeTitled(const QAbstractItemModel& model, const QString& title,
                       const QModelIndex& parent = {}) {
  for (int row = 0; row < model.rowCount(parent); ++row) {
    const QModelIndex index = model.index(row, 0, parent);
    if (index.data().toString() == title) return index;
    const QModelIndex below = NodeTitled(model, title, index);
    if (below.isValid()) return below;
  }
  return {};
}

// Replaces the platform dialogs for the life of the object.
class ScriptedDialogs {
 public:
  ScriptedDialogs() {
    old_ = SetViewerDialogHooks(
        {[this](QWidget*, const QString&, const QString& start, const QString&) {
           starts.append(start);
           return fileName;
         },
         [this](QWidget*, QPrinter& printer) {
           if (pdf.isEmpty()) return false;
           printer.setOutputFormat(QPrinter::PdfFormat);
           printer.setOutputFileName(pdf);
           return true;
         }});
  }
  ~ScriptedDialogs() { SetViewerDialogHooks(old_); }

  QString fileName;  // what the save dialog answers; empty: cancelled
  QString pdf;       // where the printer writes; empty: cancelled
  QStringList starts;

 private:
  ViewerDialogHooks old_;
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class GraphViewerTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempTree> tree_;
  std::unique_ptr<test::RecordedRun> run_;

  TFrmGraph* NewViewer() {
    RunContext ctx = run_->Context();
    auto* viewer = new TFrmGraph(ctx, nullptr);
    viewer->ShowRun(ctx);
    return viewer;
  }

 private slots:
  void init() {
    QApplication::setQuitOnLastWindowClosed(false);
    tree_ = std::make_unique<test::TempTree>();
    test::MakeRealisticTrees(*tree_);
    run_ = std::make_unique<test::RecordedRun>();
    run_->Start(*tree_, 2);
  }
  void cleanup() {
    run_.reset();
    tree_.reset();
  }

  void treeShowsEveryDirectoryWithItsState() {
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    QAbstractItemModelTester tester(viewer->TreeModel,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const GraphTreeModel& model = *viewer->TreeModel;
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 0).data().toString(), QString("new / old"));
    struct Expected {
      const char* title;
      int state;
    } expected[] = {{"new / old", 2}, {"docs", 1}, {"lib", 2}, {"fresh", 4}, {"stale", 3}};
    for (const Expected& e : expected) {
      const QModelIndex node = NodeTitled(model, e.title);
      QVERIFY2(node.isValid(), e.title);
      QCOMPARE(node.data(GraphTreeModel::StateRole).toInt(), e.state);
      QVERIFY(!node.data(Qt::DecorationRole).value<QIcon>().isNull());
      const int record = node.data(GraphTreeModel::RecordRole).toInt();
      QCOMPARE(run_->state.NewTreeLines[record]->Kind, int(NodeDir));
    }
    QCOMPARE(NodeTitled(model, "fresh").parent(), NodeTitled(model, "lib"));
    QCOMPARE(test::Named<QLabel>(*viewer, "GrNDirNm")->text(),
             Q(tree_->Path("new") + "/").toLower());  // as reported
    QCOMPARE(test::Named<QLabel>(*viewer, "GrODirNm")->text(),
             Q(tree_->Path("old") + "/").toLower());
  }

  void clickingADirectoryListsItsFilesAndTotals() {
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    QAbstractItemModelTester tester(viewer->FileModel,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
    QTreeView* tree = test::Named<QTreeView>(*viewer, "GrTreeView");
    tree->expandAll();
    const QModelIndex lib = NodeTitled(*viewer->TreeModel, "lib");
    const QRect item = tree->visualRect(lib);
    // A press beside the item (on the branch mark) lists nothing.
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      QPoint(item.left() - 8, item.center().y()));
    QCOMPARE(viewer->FileModel->rowCount(), 0);
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(test::Named<QLineEdit>(*viewer, "GrEdDirNm")->text(),
             "Dir: " + Q(tree_->Path("new") + "/lib").toLower());
    QCOMPARE(test::Named<QLabel>(*viewer, "GrPanTotals")->text(),
             QString(" Total = 2  -- Match = 1  Change = 1"));
    const GraphFileModel& files = *viewer->FileModel;
    QCOMPARE(files.rowCount(), 2);
    QCOMPARE(files.headerData(0, Qt::Horizontal).toString(), QString("File Name          "));
    QCOMPARE(files.index(0, 0).data().toString(), QString("big.bin"));
    QCOMPARE(files.index(0, 1).data().toString(), QString("(12,345 - 12,000)"));
    QVERIFY(files.index(0, 2).data().toString().startsWith("("));
    QCOMPARE(files.index(1, 0).data().toString(), QString("util.c"));

    // A directory without files; then collapsing a node clears the list.
    viewer->ShowDirectoryFiles(NodeTitled(*viewer->TreeModel, "stale"));
    QCOMPARE(test::Named<QLabel>(*viewer, "GrPanTotals")->text(),
             QString(" Total = 1  -- Delete = 1"));
    tree->expand(NodeTitled(*viewer->TreeModel, "lib"));
    tree->collapse(NodeTitled(*viewer->TreeModel, "lib"));
    QCOMPARE(viewer->FileModel->rowCount(), 0);
    QCOMPARE(test::Named<QLineEdit>(*viewer, "GrEdDirNm")->text(), QString());
    QCOMPARE(test::Named<QLabel>(*viewer, "GrPanTotals")->text(), QString());
    viewer->hide();
  }

  void reportShowsTheCombinedLinesInTheirColours() {
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    const std::vector<ColoredLine>& lines = run_->state.CombinedReport;
    QTextDocument* document = test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->document();
    QCOMPARE(document->blockCount(), static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const QTextBlock block = document->findBlockByNumber(static_cast<int>(i));
      QCOMPARE(block.text(), Q(lines[i].Text));
      if (!lines[i].Text.empty()) {
        QCOMPARE(block.begin().fragment().charFormat().foreground().color(),
                 EngineColor(lines[i].Color));
      }
    }
    QVERIFY(test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->isReadOnly());
    QCOMPARE(test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->lineWrapMode(),
             QPlainTextEdit::NoWrap);
    QCOMPARE(test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->font().family(),
             QString("Courier New"));
    QCOMPARE(test::Named<QComboBox>(*viewer, "GrCbReFontSz")->currentText(), QString("8"));
  }

  // A long report fills in slices after the first thousand lines; the source may change
  // meanwhile, and the caret and find see the whole report at once.
  void aLongReportFillsWholeInItsColoursWhileEventsRun() {
    std::vector<ColoredLine> lines;
    for (int i = 0; i < 4500; ++i) {
      lines.push_back({static_cast<uint32_t>(i % 300 < 100 ? 0x0000FF : 0),
                       i % 700 == 5 ? "" : "line " + std::to_string(i)});
    }
    const std::vector<ColoredLine> source = lines;
    QPlainTextEdit box;
    RenderReport(&box, lines, 8);
    lines.clear();
    QVERIFY(box.document()->blockCount() < 4500);
    QTRY_COMPARE(box.document()->blockCount(), 4500);
    for (std::size_t i = 0; i < source.size(); ++i) {
      const QTextBlock block = box.document()->findBlockByNumber(static_cast<int>(i));
      QCOMPARE(block.text(), Q(source[i].Text));
      if (!source[i].Text.empty()) {
        QCOMPARE(block.begin().fragment().charFormat().foreground().color(),
                 EngineColor(source[i].Color));
      }
    }

    for (bool find : {false, true}) {
      QPlainTextEdit other;
      RenderReport(&other, source, 8);
      if (find) {
        QVERIFY(FindInReport(&other, "LINE 4499", true));
        QCOMPARE(other.textCursor().selectedText(), QString("line 4499"));
      } else {
        PlaceReportCaret(&other, 1LL << 40);
        QCOMPARE(other.textCursor().position(), box.document()->characterCount() - 1);
      }
      QCOMPARE(other.toPlainText(), box.toPlainText());
    }
  }

  void jumpsPutTheCaretAtTheTopOrTheReportMark() {
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    viewer->show();
    QPlainTextEdit* box = test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox");
    const int end = box->document()->characterCount() - 1;
    test::Named<QPushButton>(*viewer, "GrButToBtm")->click();
    QCOMPARE(box->textCursor().position(), end);
    test::Named<QPushButton>(*viewer, "GrButToTop")->click();
    QCOMPARE(box->textCursor().position(), 0);
    test::Named<QPushButton>(*viewer, "GrButExpand")->click();
    QCOMPARE(box->textCursor().position(), end);
    QVERIFY(test::Named<QTreeView>(*viewer, "GrTreeView")
                ->isExpanded(NodeTitled(*viewer->TreeModel, "lib")));
    test::Named<QPushButton>(*viewer, "GrButCollapse")->click();
    QCOMPARE(box->textCursor().position(), 0);
    QVERIFY(
        !test::Named<QTreeView>(*viewer, "GrTreeView")->isExpanded(viewer->TreeModel->index(0, 0)));
    viewer->hide();
  }

  void findMovesThroughTheReportAndSaysWhenItStops() {
    test::RecordedMessages messages;
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    viewer->show();
    QPlainTextEdit* box = test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox");
    test::Named<QPushButton>(*viewer, "GrButFind")->click();
    FindTextDialog* find = test::Named<FindTextDialog>(*viewer, "GrFindDialog1");
    QVERIFY(find->isVisible());
    QVERIFY(find->Down());
    QCOMPARE(test::FindLabelFault(*find), QString());
    auto* next = find->findChild<QPushButton*>("FindNext");
    find->SetText("MAIN.CPP");
    next->click();
    QCOMPARE(box->textCursor().selectedText(), QString("main.cpp"));
    const int first = box->textCursor().selectionStart();
    next->click();  // the name stands once in the report
    QCOMPARE(messages.shown, QStringList{"Text in next downward direction not found "});
    QCOMPARE(box->textCursor().selectionStart(), first);
    find->SetDown(false);
    find->SetText("dir =");
    next->click();
    QVERIFY(box->textCursor().selectionStart() < first);
    QCOMPARE(box->textCursor().selectedText(), QString("Dir ="));
    test::Named<QPushButton>(*viewer, "GrButToTop")->click();
    next->click();
    QCOMPARE(messages.shown.last(), QString("Text in next upward direction not found "));
    find->hide();
    viewer->hide();
  }

  void fontSizeChangeRebuildsTheReport() {
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    const QString before = test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->toPlainText();
    run_->state.CombinedReport.clear();  // the rebuild must bring it back
    test::Named<QComboBox>(*viewer, "GrCbReFontSz")->setCurrentText("12");
    QCOMPARE(test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")
                 ->document()
                 ->defaultFont()
                 .pointSize(),
             12);
    QCOMPARE(test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->toPlainText(), before);
    QVERIFY(!run_->state.CombinedReport.empty());
    QVERIFY(test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->updatesEnabled());
  }

  void saveWritesRtfOrPlainTextByTheName() {
    test::RecordedMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    const std::string out = tree_->Path("out");
    tree_->Dir("out");

    dialogs.fileName = Q(out + "/Report.RTF");
    test::Named<QPushButton>(*viewer, "GrButSave")->click();
    const QByteArray rtf = ReadAll(dialogs.fileName);
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green0\\blue255;"));
    QVERIFY(rtf.contains("main.cpp"));
    QCOMPARE(run_->state.OutputFileName, out + "/Report.RTF");
    // The first save started beside the New directory, the next at the stored file.
    QCOMPARE(dialogs.starts.first(), Q(tree_->Root() + "/"));
    dialogs.fileName = Q(out + "/plain");
    test::Named<QPushButton>(*viewer, "GrButSave")->click();
    QCOMPARE(dialogs.starts.last(), Q(out + "/Report.RTF"));
    const QByteArray plain = ReadAll(Q(out + "/plain.Txt"));
    QCOMPARE(plain,
             test::Named<QPlainTextEdit>(*viewer, "GrReditEditBox")->toPlainText().toUtf8() + "\n");
    QCOMPARE(run_->state.OutputFileName, out + "/plain.Txt");

    dialogs.fileName = Q(tree_->Path("missing/x.txt"));
    test::Named<QPushButton>(*viewer, "GrButSave")->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.first().contains("missing/x.txt"));
    QVERIFY(!QFile::exists(dialogs.fileName));

    dialogs.fileName.clear();  // cancelled: nothing changes
    test::Named<QPushButton>(*viewer, "GrButSave")->click();
    QCOMPARE(run_->state.OutputFileName, tree_->Path("missing/x.txt"));
    QCOMPARE(messages.shown.size(), 1);
  }

  void rtfSaveReadsBackInLibreOffice() {
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty()) QSKIP("LibreOffice is not installed");
    // Names with every character RTF treats specially, and some outside ASCII.
    tree_->File("new/we{ir}d\\dir \xC3\xA9\xE2\x82\xAC/a.txt", "a");
    test::RecordedRun run;
    run.Start(*tree_, 2);
    const QString rtf = Q(tree_->Path("check.rtf"));
    QCOMPARE(SaveReport(rtf, run.state.CombinedReport, 8), QString());
    QProcess convert;
    convert.start(office, {"-env:UserInstallation=file://" + Q(tree_->Path("office")), "--headless",
                           "--convert-to", "txt:Text (encoded):UTF8", "--outdir",
                           Q(tree_->Path("txt")), rtf});
    QVERIFY(convert.waitForFinished(180000));
    const QString text = QString::fromUtf8(ReadAll(Q(tree_->Path("txt/check.txt"))));
    QStringList lines = text.split('\n');
    for (QString& line : lines) line.remove('\r');
    int at = 0;
    for (const ColoredLine& line : run.state.CombinedReport) {
      at = static_cast<int>(lines.indexOf(Q(line.Text), at));
      QVERIFY2(at >= 0, line.Text.c_str());
    }
    QVERIFY(text.contains(QString::fromUtf8("we{ir}d\\dir \xC3\xA9\xE2\x82\xAC")));
  }

  void printWritesOneDocumentTitledMyDocumentName() {
    ScriptedDialogs dialogs;
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    test::Named<QPushButton>(*viewer, "GrButPrint")->click();  // cancelled
    dialogs.pdf = Q(tree_->Path("report.pdf"));
    QVERIFY(!QFile::exists(dialogs.pdf));
    test::Named<QPushButton>(*viewer, "GrButPrint")->click();
    const QByteArray pdf = ReadAll(dialogs.pdf);
    QVERIFY(pdf.startsWith("%PDF"));
    // The PDF writer keeps the document name as the title, in UTF-16 with a byte order mark.
    QByteArray title("/Title (\xFE\xFF");
    for (char16_t c : std::u16string(u"My Document Name")) {
      title.append(char(c >> 8));
      title.append(char(c & 0xFF));
    }
    QVERIFY(pdf.contains(title + ")"));
    QVERIFY(pdf.size() > 1000);
  }

  void legendOpensBesideTheViewer() {
    std::unique_ptr<TFrmGraph> viewer(NewViewer());
    new TFrmChgFlag(viewer.get());
    viewer->show();
    test::Named<QPushButton>(*viewer, "GrButLegend")->click();
    QVERIFY(ChangeFlagLegendWindow()->isVisible());
    QVERIFY(viewer->isVisible());
    ChangeFlagLegendWindow()->hide();
    viewer->hide();
  }

  void summaryOnlyRunShowsNoTree() {
    test::RecordedRun ovso;
    ovso.state.Panel.PrCkOvsO = true;
    ovso.Start(*tree_, 2);
    RunContext ctx = ovso.Context();
    TFrmGraph viewer(ctx, nullptr);
    viewer.ShowRun(ctx);
    QCOMPARE(viewer.TreeModel->rowCount(), 0);
    QCOMPARE(viewer.FileModel->rowCount(), 0);
    QVERIFY(test::Named<QPlainTextEdit>(viewer, "GrReditEditBox")
                ->toPlainText()
                .contains("OPTIONS = Ovso"));
  }

  void openerRestoresGeometryAndKeepsItAfterwards() {
    RunState& state = run_->state;
    state.Viewers.SvGrTop = "30";
    state.Viewers.SvGrLeft = "20";
    state.Viewers.SvGrHeight = "560";
    state.Viewers.SvGrWidth = "500";  // below the minimum
    state.Viewers.SvTrWidth = "200";
    state.Viewers.SvGrDNode = "230";
    state.Viewers.SvGrColWid = "150";
    QWidget owner;
    RunContext ctx = run_->Context();
    const ViewerWindows windows = CreateViewerWindows(ctx, &owner);
    QString caption;
    QPoint place;
    QSize size;
    int treeWidth = 0, dirNodes = 0, column = 0;
    QString totals = "unset";
    test::ModalWatcher<TFrmGraph> watcher([&](TFrmGraph* graph) {
      caption = graph->windowTitle();
      place = graph->pos();
      size = graph->size();
      treeWidth = test::Named<QTreeView>(*graph, "GrTreeView")->width();
      dirNodes = test::Named<QSplitter>(*graph, "GrPanDirNodes")->height();
      column = test::Named<QTreeView>(*graph, "GrListView")->header()->sectionSize(0);
      totals = test::Named<QLabel>(*graph, "GrPanTotals")->text();
      graph->resize(800, 600);
      test::Named<QPushButton>(*graph, "GrButReturn")->click();
    });
    OpenTreeViewer(ctx, Viewer::Graph, windows);
    QCOMPARE(watcher.opened, 1);
    QCOMPARE(caption, QString("Kavendrift Combined Directory and File Tree View: "
                              "Kavendrift V3.0d - (08/01/2001)"));
    QCOMPARE(place, QPoint(20, 30));
    QCOMPARE(size, QSize(633, 560));
    QCOMPARE(treeWidth, 200);
    QCOMPARE(dirNodes, 230);
    QCOMPARE(column, 150);
    QCOMPARE(totals, QString());
    QCOMPARE(state.Viewers.SvGrWidth, std::string("800"));
    QCOMPARE(state.Viewers.SvGrHeight, std::string("600"));
    QCOMPARE(state.Viewers.SvGrTop, std::string("30"));
    QCOMPARE(state.Viewers.SvGrColWid, std::string("150"));
    QVERIFY(!state.Viewers.SvTrWidth.empty() && !state.Viewers.SvGrDNode.empty());

    // The same window serves the next run.
    TFrmGraph* first = windows.Graph;
    OpenTreeViewer(ctx, Viewer::Graph, windows);
    QCOMPARE(watcher.opened, 2);
    QCOMPARE(windows.Graph, first);
  }
};

QTEST_MAIN(GraphViewerTest)
#include "GraphViewer_qtest.moc"
