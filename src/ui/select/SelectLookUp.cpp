#include "ui/select/SelectLookUp.h"

#include "ui/main/QtText.h"
#include "ui/select/logic/LookedUpDirectories.h"

namespace kav::ui {

void LookUpDirectories(RunContext& ctx, const DirLookUpFunction& lookUp, QWidget* window) {
  RunState& state = ctx.State;
  state.DirSelectEntryNew = state.Panel.MnCbNewDirNm;
  state.DirSelectEntryOld = state.Panel.MnCbOldDirNm;
  DirLookUpRequest request;
  if (ctx.Fs.IsDirectory(state.Panel.MnCbNewDirNm)) {
    request.NewDir = ToQt(state.Panel.MnCbNewDirNm);
    request.ListDir = request.NewDir;
  }
  if (ctx.Fs.IsDirectory(state.Panel.MnCbOldDirNm)) {
    request.OldDir = ToQt(state.Panel.MnCbOldDirNm);
  }
  if (!lookUp) return;
  const DirLookUpResult result = lookUp(window, request);
  if (!result.Returned) return;
  TakeLookedUpDirectories(state, FromQt(result.NewDir), FromQt(result.OldDir));
}

}  // namespace kav::ui
