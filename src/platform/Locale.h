#pragma once

#include "text/LocaleFacts.h"

namespace kav {

// The locale facts of the process locale (LC_TIME, LC_NUMERIC), read with setlocale already
// applied by the caller. Missing facts fall back to the DateLocale defaults and ",".
LocaleFacts ReadProcessLocale();

}  // namespace kav
