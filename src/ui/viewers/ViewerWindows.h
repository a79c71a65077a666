#pragma once

#include "core/Controls.h"
#include "core/RunContext.h"

class QWidget;

namespace kav::ui {

class TFrmChgFlag;
class TFrmGraph;
class TFrmLNm;
class TFrmULNm;
class TFrmPrntLmt;
class TFrmSbS;
class TFrmVSingle;
class TFrmVSplit;

// The windows a run opens and the dialogs that serve them. They are all created once, when
// the main window starts, and reused for every run; none is created on the way.
struct ViewerWindows {
  TFrmVSingle* VSingle = nullptr;
  TFrmLNm* LNm = nullptr;  // the selection windows of types 3 and 4
  TFrmULNm* ULNm = nullptr;
  TFrmSbS* SbS = nullptr;
  TFrmVSplit* VSplit = nullptr;
  TFrmPrntLmt* PrntLmt = nullptr;
  TFrmChgFlag* ChgFlag = nullptr;
  TFrmGraph* Graph = nullptr;
};

// Creates the windows in the program's order, as children of `owner`, which owns them and
// must outlive nothing they read: `ctx` (and its run state) has to outlive them.
ViewerWindows CreateViewerWindows(RunContext& ctx, QWidget* owner);

}  // namespace kav::ui
