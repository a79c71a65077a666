#include "ui/viewers/TFrmGraph.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "report/CombinedReport.h"
#include "ui/main/MessageBoxes.h"
#include "ui/main/QtText.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/GraphFileModel.h"
#include "ui/viewers/GraphReportView.h"
#include "ui/viewers/GraphTreeModel.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/ViewerDialogs.h"
#include "ui/viewers/logic/GraphFind.h"
#include "ui/viewers/logic/GraphViewerLogic.h"
#include "ui/viewers/logic/ReportSaveName.h"

namespace kav::ui {
namespace {

// Gives the first pane of `splitter` `size` pixels, the second the rest.
void SetFirstPane(QSplitter* splitter, int size) {
  const int total =
      (splitter->orientation() == Qt::Horizontal ? splitter->width() : splitter->height()) -
      splitter->handleWidth();
  const int first = std::clamp(size, 1, std::max(1, total - 1));
  splitter->setSizes({first, std::max(1, total - first)});
}

const QString kSaveFilter = QStringLiteral(
    "Any File (*.*);;Text File (*.Txt *.txt *.TXT);;RTF Color File (*.Rtf *.rtf *.RTF)");

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  return row;
}

}  // namespace

TFrmGraph::TFrmGraph(RunContext ctx, QWidget* parent) : QDialog(parent) {
  ctx_.emplace(ctx);
  setObjectName(QStringLiteral("FrmGraph"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  GrFindDialog1 = new FindTextDialog(this);
  GrFindDialog1->setObjectName(QStringLiteral("GrFindDialog1"));
  // This search ignores case and word bounds: no box to say otherwise.
  if (auto* matchCase = GrFindDialog1->findChild<QCheckBox*>()) matchCase->hide();

  GrTreeView = new QTreeView(this);
  GrTreeView->setObjectName(QStringLiteral("GrTreeView"));
  TreeModel = new GraphTreeModel(ctx.State, this);
  GrTreeView->setModel(TreeModel);
  GrTreeView->setHeaderHidden(true);
  GrTreeView->setIndentation(19);
  GrTreeView->setUniformRowHeights(true);
  GrTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GrTreeView->viewport()->installEventFilter(this);

  GrPanDirNodes = new QSplitter(Qt::Horizontal, this);
  GrPanDirNodes->setObjectName(QStringLiteral("GrPanDirNodes"));
  GrPanDirNodes->setChildrenCollapsible(false);
  GrPanDirNodes->addWidget(GrTreeView);
  GrPanDirNodes->addWidget(BuildFilePanel());
  GrPanDirNodes->setStretchFactor(1, 1);
  GrPanDirNodes->setSizes({260, 500});

  GrSplitMain = new QSplitter(Qt::Vertical, this);
  GrSplitMain->setObjectName(QStringLiteral("GrSplitMain"));
  GrSplitMain->setChildrenCollapsible(false);
  GrSplitMain->addWidget(GrPanDirNodes);
  GrSplitMain->addWidget(BuildBottomPanel());
  GrSplitMain->setStretchFactor(1, 1);
  GrSplitMain->setSizes({240, 360});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(BuildTopPanel());
  layout->addWidget(GrSplitMain, 1);
  resize(900, 640);
  ConnectControls();
}

QFrame* TFrmGraph::BuildTopPanel() {
  GrPanTop = ViewerPanel(this, "GrPanTop");
  GrNDirNm = PathLabel(GrPanTop, "GrNDirNm", ViewerBlue);
  GrODirNm = PathLabel(GrPanTop, "GrODirNm", ViewerRed);
  GrButCollapse = ViewerButton(GrPanTop, "GrButCollapse", "Full &Collapse");
  GrButExpand = ViewerButton(GrPanTop, "GrButExpand", "Full &Expand");
  GrButReturn = ViewerButton(GrPanTop, "GrButReturn", "&Return");
  GrButLegend = ViewerButton(GrPanTop, "GrButLegend", "&Legend ");

  auto* names = new QGridLayout;
  names->addWidget(new QLabel(QStringLiteral("New Top Dir ="), GrPanTop), 0, 0);
  names->addWidget(GrNDirNm, 0, 1);
  names->addWidget(new QLabel(QStringLiteral("Old Top Dir ="), GrPanTop), 1, 0);
  names->addWidget(GrODirNm, 1, 1);
  names->addWidget(NoteLabel(GrPanTop, QStringLiteral("Click nodes to display files. Arrow keys "
                                                      "to navigate, expand, or contract nodes.")),
                   0, 2, 2, 1);
  names->setColumnStretch(1, 3);
  names->setColumnStretch(2, 1);
  auto* buttons = Row({new QLabel(QStringLiteral("Combined Dir Nodes: "), GrPanTop), GrButCollapse,
                       GrButExpand, GrButReturn, GrButLegend});
  buttons->addStretch();
  auto* panel = new QVBoxLayout(GrPanTop);
  panel->setContentsMargins(4, 2, 4, 2);
  panel->setSpacing(2);
  panel->addLayout(names);
  panel->addLayout(buttons);
  return GrPanTop;
}

QWidget* TFrmGraph::BuildFilePanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("GrPanFileNm"));
  GrEdDirNm = new QLineEdit(panel);
  GrEdDirNm->setObjectName(QStringLiteral("GrEdDirNm"));
  GrEdDirNm->setReadOnly(true);
  GrPanTotals = new QLabel(panel);
  GrPanTotals->setObjectName(QStringLiteral("GrPanTotals"));
  GrPanTotals->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  GrPanTotals->setTextFormat(Qt::PlainText);
  GrListView = new QTreeView(panel);
  GrListView->setObjectName(QStringLiteral("GrListView"));
  FileModel = new GraphFileModel(this);
  GrListView->setModel(FileModel);
  GrListView->setRootIsDecorated(false);
  GrListView->setUniformRowHeights(true);
  GrListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GrListView->setIconSize(QSize(16, 16));
  GrListView->header()->setStretchLastSection(true);
  GrListView->header()->resizeSection(0, 220);
  GrListView->header()->resizeSection(1, 130);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(GrEdDirNm);
  column->addWidget(GrPanTotals);
  column->addWidget(GrListView, 1);
  return panel;
}

QFrame* TFrmGraph::BuildBottomPanel() {
  GrPanBtm = ViewerPanel(this, "GrPanBtm");
  GrButToTop = ViewerButton(GrPanBtm, "GrButToTop", "To &Top");
  GrButToBtm = ViewerButton(GrPanBtm, "GrButToBtm", "To &Btm");
  GrButSave = ViewerButton(GrPanBtm, "GrButSave", "&SaveAs...");
  GrButPrint = ViewerButton(GrPanBtm, "GrButPrint", "&Print ...");
  GrButFind = ViewerButton(GrPanBtm, "GrButFind", "&Find...");
  GrCbReFontSz = FontSizeBox(GrPanBtm, "GrCbReFontSz");
  auto* mid = ViewerPanel(GrPanBtm, "GrPanMid");
  auto* row = new QGridLayout(mid);
  row->setContentsMargins(4, 2, 4, 2);
  row->setVerticalSpacing(2);
  row->addWidget(new QLabel(QStringLiteral("Combined Dir and File Report: "), mid), 0, 0);
  row->addWidget(GrButToTop, 0, 1);
  row->addWidget(GrButToBtm, 0, 2);
  row->addWidget(GrButFind, 0, 3);
  auto* size = new QHBoxLayout;
  size->addWidget(new QLabel(QStringLiteral("Print/Report Font "), mid));
  size->addWidget(GrCbReFontSz);
  size->addStretch();
  row->addLayout(size, 1, 0);
  row->addWidget(GrButSave, 1, 1);
  row->addWidget(GrButPrint, 1, 2);
  row->addWidget(NoteLabel(mid, QStringLiteral("\"Save As\" Note:- For colored output use the "
                                               "Rtf file extension, and Ms Word Pad to print "
                                               "the saved file.")),
                 0, 4, 2, 1);
  row->setColumnStretch(4, 1);

  GrReditEditBox = new QPlainTextEdit(GrPanBtm);
  GrReditEditBox->setObjectName(QStringLiteral("GrReditEditBox"));
  GrReditEditBox->setReadOnly(true);
  GrReditEditBox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  GrReditEditBox->setLineWrapMode(QPlainTextEdit::NoWrap);
  GrReditEditBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  GrReditEditBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  GrReditEditBox->setFont(ReportFont(8));

  auto* column = new QVBoxLayout(GrPanBtm);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(mid);
  column->addWidget(GrReditEditBox, 1);
  return GrPanBtm;
}

void TFrmGraph::ConnectControls() {
  connect(GrButReturn, &QPushButton::clicked, this, &QDialog::accept);
  connect(GrTreeView, &QTreeView::collapsed, this, &TFrmGraph::GrTreeViewCollapsing);
  connect(GrButCollapse, &QPushButton::clicked, this, &TFrmGraph::GrButCollapseClick);
  connect(GrButExpand, &QPushButton::clicked, this, &TFrmGraph::GrButExpandClick);
  connect(GrButToTop, &QPushButton::clicked, this, &TFrmGraph::GrButToTopClick);
  connect(GrButToBtm, &QPushButton::clicked, this, &TFrmGraph::GrButToBtmClick);
  connect(GrCbReFontSz, &QComboBox::currentTextChanged, this, &TFrmGraph::GrCbReFontSzChange);
  connect(GrButSave, &QPushButton::clicked, this, &TFrmGraph::GrButSaveClick);
  connect(GrButPrint, &QPushButton::clicked, this, &TFrmGraph::GrButPrintClick);
  connect(GrButFind, &QPushButton::clicked, this, &TFrmGraph::GrButFindClick);
  connect(GrFindDialog1, &FindTextDialog::FindNext, this, &TFrmGraph::GrFindDialog1Find);
  connect(GrButLegend, &QPushButton::clicked, this, &TFrmGraph::GrButLegendClick);
}

void TFrmGraph::ShowRun(RunContext ctx) {
  ctx_.emplace(ctx);
  const RunState& state = ctx.State;
  TreeModel->Reset();
  GrNDirNm->setText(ToQt(state.GrNDirNm));
  GrODirNm->setText(ToQt(state.GrODirNm));
  RenderReport(GrReditEditBox, state.CombinedReport, ReportFontSize());
  ClearFileList();
  GrPanTotals->clear();
}

int TFrmGraph::ReportFontSize() const {
  bool number = false;
  const int points = GrCbReFontSz->currentText().toInt(&number);
  return number && points > 0 ? points : 8;
}

void TFrmGraph::ClearFileList() {
  FileModel->Clear();
  GrEdDirNm->clear();
}

long long TFrmGraph::MarkPosition() const {
  const RunState& state = ctx_->State;
  return ReportCaretPosition(state.CombinedReport, state.CombinedReportMark);
}

void TFrmGraph::ShowDirectoryFiles(const QModelIndex& index) {
  if (!index.isValid()) return;
  const int record = index.data(GraphTreeModel::RecordRole).toInt();
  std::optional<DirectoryFiles> files = ListDirectoryFiles(ctx_->State, record, ctx_->Locale);
  if (!files) return;
  GrEdDirNm->setText(ToQt(files->DirText));
  FileModel->SetRows(std::move(files->Rows));
  GrPanTotals->setText(ToQt(files->TotalsText));
}

bool TFrmGraph::eventFilter(QObject* watched, QEvent* event) {
  if (watched == GrTreeView->viewport() && event->type() == QEvent::MouseButtonPress) {
    // Only a press on a node's text or image counts, not on its expand mark or beside it.
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QModelIndex index = GrTreeView->indexAt(at);
    if (index.isValid() && GrTreeView->visualRect(index).contains(at)) ShowDirectoryFiles(index);
  }
  return QDialog::eventFilter(watched, event);
}

void TFrmGraph::GrTreeViewCollapsing() {
  ClearFileList();
  GrPanTotals->clear();
}

void TFrmGraph::GrButCollapseClick() {
  FileModel->Clear();
  GrTreeView->collapseAll();
  GrEdDirNm->clear();
  PlaceReportCaret(GrReditEditBox, 0);
}

void TFrmGraph::GrButExpandClick() {
  ClearFileList();
  GrTreeView->expandAll();
  PlaceReportCaret(GrReditEditBox, MarkPosition());
}

void TFrmGraph::GrButToTopClick() {
  PlaceReportCaret(GrReditEditBox, 0);
}

void TFrmGraph::GrButToBtmClick() {
  PlaceReportCaret(GrReditEditBox, MarkPosition());
}

void TFrmGraph::GrCbReFontSzChange() {
  bool number = false;
  const int points = GrCbReFontSz->currentText().toInt(&number);
  if (!number || points <= 0) return;
  GrReditEditBox->setUpdatesEnabled(false);
  BuildCombinedReport(*ctx_);
  RenderReport(GrReditEditBox, ctx_->State.CombinedReport, points);
  GrReditEditBox->setUpdatesEnabled(true);
}

void TFrmGraph::GrButSaveClick() {
  RunState& state = ctx_->State;
  const QString stored = ToQt(state.OutputFileName);
  const SaveDialogStart start =
      GraphSaveDialogStart(state.OutputFileName, !stored.isEmpty() && QFileInfo(stored).isFile(),
                           state.Panel.MnCbNewDirNm);
  const QString chosen = AskSaveFileName(this, QStringLiteral("Save Combined Report"),
                                         ToQt(start.Folder + start.FileName), kSaveFilter);
  if (chosen.isEmpty()) return;
  const std::string path = WithDefaultExtension(FromQt(chosen), ".Txt");
  state.OutputFileName = KeptOutputFileName(path);
  const QString error = SaveReport(ToQt(path), state.CombinedReport, ReportFontSize());
  if (!error.isEmpty()) ShowOkMessage(this, FromQt(error));
}

void TFrmGraph::GrButPrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  if (!AskPrinterSetUp(this, printer)) return;
  PrintReport(GrReditEditBox, printer);
}

void TFrmGraph::GrButFindClick() {
  GrFindDialog1->Open();
}

void TFrmGraph::GrFindDialog1Find() {
  if (GrReditEditBox->document()->isEmpty()) return;
  const bool down = GrFindDialog1->Down();
  if (!FindInReport(GrReditEditBox, GrFindDialog1->Text(), down)) {
    ShowOkMessage(GrFindDialog1, down ? FindDownNotFoundMessage : FindUpNotFoundMessage);
  }
}

void TFrmGraph::GrButLegendClick() {
  ShowChangeFlagLegend(this);
}

void TFrmGraph::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!ctx_->State.Options.OptOvso && TreeModel->rowCount() > 0) {
    GrTreeView->expand(TreeModel->index(0, 0));
  }
  bool number = false;
  const int column = ToQt(ctx_->State.Viewers.SvGrColWid).toInt(&number);
  if (number && column > 0) GrListView->header()->resizeSection(0, column);
  PlaceReportCaret(GrReditEditBox, 0);
}

void TFrmGraph::done(int result) {
  GrFindDialog1->hide();
  QDialog::done(result);
}

void TFrmGraph::SetPaneSizes(std::optional<int> dirNodesHeight, std::optional<int> treeWidth) {
  if (dirNodesHeight) SetFirstPane(GrSplitMain, *dirNodesHeight);
  if (treeWidth) SetFirstPane(GrPanDirNodes, *treeWidth);
}

GraphGeometry TFrmGraph::Geometry() const {
  GraphGeometry g;
  g.ColumnWidth = GrListView->header()->sectionSize(0);
  g.Top = y();
  g.Left = x();
  g.Height = height();
  g.Width = width();
  g.TreeWidth = GrTreeView->width();
  g.DirNodesHeight = GrPanDirNodes->height();
  return g;
}

}  // namespace kav::ui
