#include "ui/viewers/TFrmVSingle.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/main/MessageBoxes.h"
#include "ui/main/QtText.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/FixedRowDelegate.h"
#include "ui/viewers/ListOutput.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/ViewerDialogs.h"
#include "ui/viewers/logic/ListSaveFiles.h"
#include "ui/viewers/logic/ReportSaveName.h"
#include "ui/viewers/logic/SingleListLogic.h"

namespace kav::ui {
namespace {

constexpr int kRowHeight = 14;

// A caption above a control.
QVBoxLayout* Captioned(QWidget* parent, const char* caption, QLayout* below) {
  auto* column = new QVBoxLayout;
  column->setSpacing(1);
  column->addWidget(new QLabel(QString::fromUtf8(caption), parent), 0, Qt::AlignHCenter);
  column->addLayout(below);
  return column;
}

}  // namespace

TFrmVSingle::TFrmVSingle(RunState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("FrmVSingle"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);

  VlbListBox1 = new QTreeView(this);
  VlbListBox1->setObjectName(QStringLiteral("VlbListBox1"));
  Model = new SingleListModel(state_, this);
  VlbListBox1->setModel(Model);
  VlbListBox1->setItemDelegate(new FixedRowDelegate(kRowHeight, VlbListBox1));
  VlbListBox1->setUniformRowHeights(true);
  VlbListBox1->setRootIsDecorated(false);
  VlbListBox1->setItemsExpandable(false);
  VlbListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  VlbListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  VlbListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  VlbListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  VlbListBox1->setTextElideMode(Qt::ElideNone);
  VlbListBox1->header()->setStretchLastSection(false);
  VlbListBox1->header()->setSectionsClickable(false);
  QFont listFont(QStringLiteral("Courier New"), 8);
  listFont.setStyleHint(QFont::TypeWriter);
  listFont.setFixedPitch(true);
  VlbListBox1->setFont(listFont);

  FindDialog1 = new FindTextDialog(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(BuildTopPanel());
  layout->addWidget(VlbListBox1, 1);
  layout->addWidget(BuildBottomPanel());
  resize(900, 560);

  connect(LsButReturn, &QPushButton::clicked, this, &QDialog::accept);
  connect(LsButTop, &QPushButton::clicked, this, &TFrmVSingle::LsButTopClick);
  connect(LsButbottom, &QPushButton::clicked, this, &TFrmVSingle::LsButbottomClick);
  connect(LsButFind, &QPushButton::clicked, this, &TFrmVSingle::LsButFindClick);
  connect(FindDialog1, &FindTextDialog::FindNext, this, &TFrmVSingle::FindDialog1Find);
  connect(LsBitChngDown, &QPushButton::clicked, this, &TFrmVSingle::LsBitChngDownClick);
  connect(LsBitChngUp, &QPushButton::clicked, this, &TFrmVSingle::LsBitChngUpClick);
  connect(LsCbLBFontSz, &QComboBox::currentTextChanged, this, &TFrmVSingle::LsCbLBFontSzChange);
  connect(LsButPrint, &QPushButton::clicked, this, &TFrmVSingle::LsButPrintClick);
  connect(LsButColorPrint, &QPushButton::clicked, this, &TFrmVSingle::LsButColorPrintClick);
  connect(LsButSaveAs, &QPushButton::clicked, this, &TFrmVSingle::LsButSaveAsClick);
}

QFrame* TFrmVSingle::BuildTopPanel() {
  LsPanel2 = new QFrame(this);
  LsPanel2->setObjectName(QStringLiteral("LsPanel2"));
  LsPanel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  LsButReturn = ViewerButton(LsPanel2, "LsButReturn", "&Return");
  LsButTop = ViewerButton(LsPanel2, "LsButTop", "To &Top");
  LsButbottom = ViewerButton(LsPanel2, "LsButbottom", "To &Btm");
  LsButPrint = ViewerButton(LsPanel2, "LsButPrint", "&Print ...");
  LsButColorPrint = ViewerButton(LsPanel2, "LsButColorPrint", "&Color ...");
  LsButSaveAs = ViewerButton(LsPanel2, "LsButSaveAs", "&SaveAs ...");
  LsButFind = ViewerButton(LsPanel2, "LsButFind", "&Find ...");
  LsBitChngDown = ViewerButton(LsPanel2, "LsBitChngDown", "",
                               "Highlight next but different type of changed span of lines.");
  LsBitChngDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  LsBitChngUp = ViewerButton(LsPanel2, "LsBitChngUp", "",
                             "Highlight previous but different type of changed line.");
  LsBitChngUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  CbFontSize = FontSizeBox(LsPanel2, "CbFontSize");
  CbFontSize->setCurrentIndex(2);  // "10"
  LsCbLBFontSz = FontSizeBox(LsPanel2, "LsCbLBFontSz");
  LsCbLBFontSz->setCurrentIndex(2);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button :
       {LsButReturn, LsButTop, LsButbottom, LsButPrint, LsButColorPrint, LsButSaveAs, LsButFind}) {
    buttons->addWidget(button, 0, Qt::AlignBottom);
  }
  auto* spans = new QHBoxLayout;
  spans->addWidget(LsBitChngDown);
  spans->addWidget(LsBitChngUp);
  buttons->addSpacing(12);
  buttons->addLayout(Captioned(LsPanel2, "Nxt Chg Span", spans));
  buttons->addSpacing(12);
  auto* printSize = new QHBoxLayout;
  printSize->addWidget(CbFontSize);
  buttons->addLayout(Captioned(LsPanel2, "Print Font Size", printSize));
  buttons->addSpacing(12);
  auto* listSize = new QHBoxLayout;
  listSize->addWidget(LsCbLBFontSz);
  buttons->addLayout(Captioned(LsPanel2, "ListBox Font Size", listSize));
  buttons->addStretch();

  NFNameL = ColoredLabel(LsPanel2, "NFNameL", QString::fromUtf8("New Dir = "), Qt::black);
  NDirName = ColoredLabel(LsPanel2, "NDirName", QString::fromUtf8(""), ViewerBlue);
  OFNameL = ColoredLabel(LsPanel2, "OFNameL", QString::fromUtf8("Old  Dir = "), Qt::black);
  ODirName = ColoredLabel(LsPanel2, "ODirName", QString::fromUtf8(""), ViewerRed);
  auto* names = new QHBoxLayout;
  names->addWidget(NFNameL);
  names->addWidget(NDirName, 1);
  names->addWidget(OFNameL);
  names->addWidget(ODirName, 1);

  auto* panel = new QVBoxLayout(LsPanel2);
  panel->setContentsMargins(4, 2, 4, 2);
  panel->setSpacing(2);
  panel->addLayout(buttons);
  panel->addLayout(names);
  return LsPanel2;
}

QFrame* TFrmVSingle::BuildBottomPanel() {
  LsPanel1 = new QFrame(this);
  LsPanel1->setObjectName(QStringLiteral("LsPanel1"));
  LsPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* note = new QLabel(QStringLiteral("\"Save As\" Note:- For colored output, use Rtf \n"
                                         "file extension and Ms Word Pad for print. "),
                          LsPanel1);
  LsLblInsLabel = ColoredLabel(
      LsPanel1, "LsLblInsLabel",
      QString::fromUtf8("Inserted Files : Files in the New Directory missing in the Old Directory"),
      ViewerBlue);
  LsLblDelLabel =
      ColoredLabel(LsPanel1, "LsLblDelLabel",
                   QString::fromUtf8(
                       "Deleted Files   : Files in the Old Directory missing in the New Directory"),
                   ViewerRed);
  LsLblInsLabel->hide();
  LsLblDelLabel->hide();
  auto* legend = new QVBoxLayout;
  legend->addWidget(LsLblInsLabel);
  legend->addWidget(LsLblDelLabel);
  auto* panel = new QHBoxLayout(LsPanel1);
  panel->setContentsMargins(4, 2, 4, 2);
  panel->addWidget(note);
  panel->addSpacing(16);
  panel->addLayout(legend);
  panel->addStretch();
  return LsPanel1;
}

QWidget* TFrmVSingle::ControlWidget(Control control) const {
  switch (control) {
    case Control::SingleInsLabel:
      return LsLblInsLabel;
    case Control::SingleDelLabel:
      return LsLblDelLabel;
    case Control::LsBitChngUp:
      return LsBitChngUp;
    case Control::LsBitChngDown:
      return LsBitChngDown;
    default:
      return nullptr;
  }
}

void TFrmVSingle::ShowRows(const QString& header) {
  VlbListBox1->header()->show();
  Model->Reset(header);
  FitColumnWidth();
  if (Model->rowCount() > 0) SelectRow(0);
  VlbListBox1->scrollToTop();
}

void TFrmVSingle::FitColumnWidth() {
  FitReportListColumn(VlbListBox1, static_cast<int>(WidestRowLength(state_)));
}

int TFrmVSingle::SelectedRow() const {
  const QModelIndexList selected = VlbListBox1->selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void TFrmVSingle::SelectRow(int row) {
  if (row < 0 || row >= Model->rowCount()) return;
  const QModelIndex index = Model->index(row, 0);
  VlbListBox1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  VlbListBox1->scrollTo(index);
}

void TFrmVSingle::SetListFontSize(int points) {
  if (points <= 0) return;
  QFont font = VlbListBox1->font();
  font.setPointSize(points);
  VlbListBox1->setFont(font);
  FitColumnWidth();
}

int TFrmVSingle::ListFontSize() const {
  return VlbListBox1->font().pointSize();
}

void TFrmVSingle::LsButTopClick() {
  SelectRow(0);
}

void TFrmVSingle::LsButbottomClick() {
  SelectRow(Model->rowCount() - 1);
}

void TFrmVSingle::LsButFindClick() {
  if (SelectedRow() < 0) SelectRow(0);
  FindDialog1->Open();
}

void TFrmVSingle::FindDialog1Find() {
  if (Model->rowCount() == 0) {
    ShowOkMessage(FindDialog1, TextNotFoundMessage);
    return;
  }
  FindOutcome outcome =
      FindRowText(state_, FromQt(FindDialog1->Text()), SelectedRow(), FindDialog1->Down());
  SelectRow(outcome.Selected);
  if (!outcome.Found) ShowOkMessage(FindDialog1, TextNotFoundMessage);
}

void TFrmVSingle::LsBitChngDownClick() {
  int row = NextChangeSpanDown(state_.ReportLines, SelectedRow());
  if (row < 0) {
    ShowOkMessage(this, NoSpanDownMessage);
  } else {
    SelectRow(row);
  }
}

void TFrmVSingle::LsBitChngUpClick() {
  int row = NextChangeSpanUp(state_.ReportLines, SelectedRow());
  if (row < 0) {
    ShowOkMessage(this, NoSpanUpMessage);
  } else {
    SelectRow(row);
  }
}

void TFrmVSingle::LsCbLBFontSzChange() {
  bool number = false;
  const int points = LsCbLBFontSz->currentText().toInt(&number);
  if (number) SetListFontSize(points);
}

std::string TFrmVSingle::Caption() const {
  return FromQt(windowTitle());
}

std::string TFrmVSingle::Header() const {
  return FromQt(Model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString());
}

int TFrmVSingle::PrintFontSize() const {
  return FontSizeOf(CbFontSize->currentText());
}

void TFrmVSingle::LsButPrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  if (!AskPrinterSetUp(this, printer)) return;
  {
    WaitCursor wait;
    PrintSession session(printer, PrintFontSize(), RepaintPending);
    const PageGeometry geometry = MeasurePageGeometry(printer, PrintFontSize());
    if (!session.Print(SingleListPrintJob(state_, Caption(), Header(), geometry))) {
      ShowOkMessage(this, FromQt(session.Error()));
    }
  }
  LsButReturn->setFocus();
}

std::optional<std::vector<ColoredLine>> TFrmVSingle::ColoredLinesToSend(ColoredMode mode) {
  std::vector<ColoredLine> lines;
  {
    WaitCursor wait;
    lines = SingleColoredLines(state_, Header());
  }
  if (!AskYesNoQuestion(this, ColoredOutputQuestion(mode, lines.size()))) return std::nullopt;
  return lines;
}

void TFrmVSingle::LsButColorPrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  if (!AskPrinterSetUp(this, printer)) return;
  std::optional<std::vector<ColoredLine>> lines = ColoredLinesToSend(ColoredMode::Print);
  if (!lines) return;
  WaitCursor wait;
  RepaintPending();
  PrintSession session(printer, PrintFontSize(), RepaintPending);
  if (!session.Print(ColoredDocument{"LsRichEdit1 Text", std::move(*lines)})) {
    ShowOkMessage(this, FromQt(session.Error()));
  }
}

void TFrmVSingle::LsButSaveAsClick() {
  const QString stored = ToQt(state_.OutputFileName);
  const bool folderExists =
      !stored.isEmpty() && QFileInfo(QFileInfo(stored).absolutePath()).isDir();
  const std::string path = AskListSaveName(this, state_, folderExists, ".txt");
  if (path.empty()) return;
  std::string error;
  if (IsRtfFileName(path)) {
    std::optional<std::vector<ColoredLine>> lines = ColoredLinesToSend(ColoredMode::Save);
    if (!lines) return;
    WaitCursor wait;
    RepaintPending();
    error = SaveColoredFile(path, ColoredDocument{{}, std::move(*lines)}, PrintFontSize());
  } else {
    WaitCursor wait;
    error = SaveWholeFile(path, SingleListFileText(state_, Caption()), false);
  }
  if (!error.empty()) ShowOkMessage(this, error);
  LsButReturn->setFocus();
}

void TFrmVSingle::done(int result) {
  FindDialog1->hide();
  StoreSingleViewerGeometry(state_, FromQt(LsCbLBFontSz->currentText()),
                            FromQt(CbFontSize->currentText()), y(), height(), width());
  QDialog::done(result);
}

}  // namespace kav::ui
