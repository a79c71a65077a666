#pragma once

namespace kav {

// The window controls a run touches. The engines name them; the host decides what they are.
enum class Control {
  MnCurrStatus,     // status panel
  MnProgressBar,    // progress bar, 0 to 100
  MnTitleProgBar,   // progress title ("Dir.Progress", "File Progress")
  MnTitlePosPCent,  // percentage label
  MnImage1,         // busy image, first frame
  MnImage2,         // busy image, second frame
  MnButStop,        // "&Halt"
  MnButExit,        // "&Exit"
  MnBtnStart,       // "&Start"
  MnBtnRshow,       // "&Re-Show Last Report Panel"
  MnCkViewResults,  // "Bypass show of Report Panel"
  MnCbNewDirNm,     // New directory combo box
  MnCbOldDirNm,     // Old directory combo box
  SingleInsLabel,   // single list viewer: LsLblInsLabel
  SingleDelLabel,   // single list viewer: LsLblDelLabel
  SplitInsLabel,    // vertical split viewer: LsLblInsLabel
  SplitDelLabel,    // vertical split viewer: LsLblDelLabel
  LsBitChngUp,      // single list viewer: previous change span
  LsBitChngDown,    // single list viewer: next change span
  VsButLegend,      // vertical split viewer: legend button
};

// The modal windows a run opens.
enum class Viewer {
  SingleList,  // TFrmVSingle through ShowSingleListReport
  VSplit,      // TFrmVSplit
  Graph,       // TFrmGraph
};

enum class SelectionWindow {
  LikeNames,    // TFrmLNm, type 3
  UnlikeNames,  // TFrmULNm, type 4
};

}  // namespace kav
