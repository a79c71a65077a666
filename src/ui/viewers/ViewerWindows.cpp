#include "ui/viewers/ViewerWindows.h"

#include "ui/select/TFrmLNm.h"
#include "ui/select/TFrmULNm.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TFrmPrntLmt.h"
#include "ui/viewers/TFrmSbS.h"
#include "ui/viewers/TFrmVSingle.h"
#include "ui/viewers/TFrmVSplit.h"

namespace kav::ui {

ViewerWindows CreateViewerWindows(RunContext& ctx, QWidget* owner) {
  ViewerWindows windows;
  windows.VSingle = new TFrmVSingle(ctx.State, owner);
  windows.LNm = new TFrmLNm(ctx, owner);
  windows.ULNm = new TFrmULNm(ctx, owner);
  windows.SbS = new TFrmSbS(owner);
  windows.VSplit = new TFrmVSplit(ctx.State, owner);
  windows.PrntLmt = new TFrmPrntLmt(ctx.State, owner);
  windows.VSplit->UseDialogs(windows.SbS, windows.PrntLmt);
  windows.ChgFlag = new TFrmChgFlag(owner);
  windows.Graph = new TFrmGraph(ctx, owner);
  return windows;
}

}  // namespace kav::ui
