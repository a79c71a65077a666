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

}  // namespace kav
