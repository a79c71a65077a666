#pragma once

#include <optional>
#include <string>

#include "text/LocaleFacts.h"

namespace kav {

// The locale facts of the process locale (LC_TIME, LC_NUMERIC), read with setlocale already
// applied by the caller. Missing facts fall back to the DateLocale defaults and ",".
LocaleFacts ReadProcessLocale();

// The locale facts of a named locale ("de_DE.UTF-8"), without touching the process locale;
// nullopt when that locale is not installed.
std::optional<LocaleFacts> ReadNamedLocale(const std::string& name);

// StartStampText of the current local time.
std::string StartStampNow(const DateLocale& locale);

}  // namespace kav
