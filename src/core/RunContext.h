#pragma once

#include "core/Host.h"
#include "core/RunState.h"
#include "platform/FileSystem.h"
#include "text/LocaleFacts.h"

namespace kav {

// Everything a run works with: the state, the window, the file system and the locale.
struct RunContext {
  RunState& State;
  Host& Ui;
  const FileSystem& Fs;
  const LocaleFacts& Locale;
};

// The poll a run hands to a directory listing: lets pending events run (where a Halt click
// gets in) and says whether to go on.
inline ListPoll HaltPoll(RunContext& ctx) {
  return [&ctx] {
    ctx.Ui.ProcessPendingEvents();
    return !ctx.State.HaltRequested;
  };
}

}  // namespace kav
