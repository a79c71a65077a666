#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/CompareTypes.h"
#include "core/TreeNode.h"
#include "core/TreeTotals.h"
#include "core/Verdict.h"
#include "platform/IoError.h"

namespace kav {

using StringList = std::vector<std::string>;

// What the engines read from the main panel's controls. The window copies its controls in
// before Start; kavdrift-cli fills it from its arguments.
struct PanelInputs {
  std::string MnCbNewDirNm;      // New directory text, as typed or picked
  std::string MnCbOldDirNm;      // Old directory text
  std::string MnCbCompareType;   // type combo text, matched exactly against the item texts
  bool MnCkViewResults = false;  // "Bypass show of Report Panel"
  // The ten preference check boxes.
  bool PrCkVeqf = false;
  bool PrCkItdt = false;
  bool PrCkChgO = false;
  bool PrCkSpnm = false;
  bool PrCkListDEO = false;
  bool PrCkOvsO = false;
  bool PrCkLmcf = false;
  bool PrCkGmsg = false;
  bool PrCkLchv = false;
  bool PrCkListStyle = false;
};

// One line of the combined report: its colour and text.
struct ColoredLine {
  uint32_t Color = 0;
  std::string Text;
};

// One node of the combined directory tree (GrTreeView), held flat; Children index this list.
struct DirViewNode {
  std::string Title;
  int32_t RowIndex = 0;    // index of the directory's record in NewTreeLines
  int32_t StateIndex = 1;  // 1 paired, 2 paired with changes, 3 deleted, 4 inserted
  int32_t Parent = -1;
  std::vector<int32_t> Children;
};

// What the tree engine leaves for the split viewer besides the rows.
struct SplitViewerTexts {
  std::string Caption;
  std::string LeftHeader;   // VsListBox2
  std::string RightHeader;  // VsListbox3
  bool HeadersShown = false;
  bool LegendVisible = false;  // VsButLegend
  bool Prepared = false;       // the viewer's `prepared` flag
};

// The ten option flags a run takes from the preference check boxes (core/PreferenceTable.h).
struct RunOptions {
  bool OptVeqf = false;
  bool OptItdt = false;
  bool OptChgo = false;
  bool OptSpnm = false;
  bool OptLdeo = false;
  bool OptOvso = false;
  bool OptLmcf = false;
  bool OptGmsg = false;
  bool OptLchv = false;
  bool OptLsbs = false;
};

// The single-level name lists: listed and paired, lower-cased and on disk.
struct NameLists {
  StringList PairedNewNames;
  StringList PairedOldNames;
  StringList NewDirNames;
  StringList OldDirNames;
  // On-disk spellings, parallel to the four lower-cased lists above (same count and order).
  // Pairing, sorting and the reports use the lower-cased names; every open uses these. A
  // caller that leaves a disk list shorter than its name list gets the name itself opened.
  StringList NewDirDiskNames;
  StringList OldDirDiskNames;
  StringList PairedNewDiskNames;
  StringList PairedOldDiskNames;
  // Set when the two directories were listed whole by this run: the on-disk names (sorted)
  // of their entries that are not regular files (FIFOs, sockets, devices). Every other name
  // was a regular file when listed, so it is opened without being looked at first.
  bool KindsListed = false;
  StringList NewSpecialDiskNames;
  StringList OldSpecialDiskNames;
};

// The viewers' geometry and font-size texts, named after their settings keys. Only the
// windows read them; the settings file keeps them between sessions.
struct ViewerTexts {
  std::string SPFontSz, SDFontSz, SpPFontSz, SpDFontSz;
  std::string VLTop, VLHt, VLWide;
  std::string VLSpTop, VLSpHt, VLSpWide;
  std::string HTop, HWide, HHt, HLeft, HSplit;
  std::string SvGrTop, SvGrLeft, SvTrWidth, SvGrColWid, SvGrWidth, SvGrDNode, SvGrHeight;
};

// The state of the program's runs, owned by the main window for the program's whole life.
// Every engine, selection window and viewer reads and writes these fields directly.
struct RunState {
  PanelInputs Panel;

  std::string ExeDir;
  bool ReshowSelection = false;
  int32_t PairCount = 0;
  StringList ReportLines;
  NameLists Names;  // a run starts and ends with them empty (`Names = {}`)
  std::string LikeSelectionText;
  std::string UnlikeSelectionText;
  int32_t NewNumberedCount = 0;
  int32_t OldNumberedCount = 0;
  int32_t SummaryTopLine = 0;
  int32_t SummaryTotalsLine = 0;
  int32_t InsertedCount = 0;
  int32_t DeletedCount = 0;
  bool SelectLikeRun = false;
  bool SelectUnlikeRun = false;
  std::string NewDirName;  // validated, always ending with '/'
  std::string OldDirName;  // validated, ending with '/' (left as typed for type 5)
  std::string DirSelectEntryNew;
  std::string DirSelectEntryOld;

  // Tree engine records: the pool owns them, the four lists point into it. The pool cannot be
  // copied, so neither can the state; it can be moved.
  TreeNodePool TreeNodes;
  TreeNodeList NewTreeNodes;
  TreeNodeList OldTreeNodes;
  TreeNodeList NewTreeLines;
  TreeNodeList OldTreeLines;
  TreeTotals Totals;

  // What the last run could not read, in the order met: every file it could not compare and
  // every directory it could not list. Emptied by Start.
  std::vector<IoError> IoFailures;
  // How the last run ended; None while it runs and after a refused start.
  Verdict FinalVerdict = Verdict::None;

  // Combined report of a type 2 run (tree graph viewer).
  std::vector<ColoredLine> CombinedReport;
  int64_t CombinedReportMark = 0;  // length of the combined report's text when built
  std::vector<DirViewNode> CombinedTree;
  std::string GrNDirNm;
  std::string GrODirNm;
  SplitViewerTexts Split;

  std::string StartStamp;  // at most 14 characters
  int32_t MaxRowWidth = 0;
  std::string OutputFileName;
  bool SaveStacked = false;
  bool PrintAllPages = false;
  std::string SegmentPagesText = "0";

  ViewerTexts Viewers;

  RunOptions Options;  // taken over from the preferences at Start, then narrowed by the type

  CompareType RunType = CompareType::None;  // the type of the current or last run
  bool ShowGraphViewer = false;
  bool ListNewTreeRun = false;
  bool ListBothTreesRun = false;
  bool TreeCompareRun = false;
  bool SingleLevelRun = false;
  bool HaltRequested = false;
  bool RunValidated = false;
  bool RunBusy = false;
};

}  // namespace kav
