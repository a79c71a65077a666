#pragma once

#include <string>

#include "text/DateText.h"
#include "text/LocaleFacts.h"

namespace kav {

// The program-start stamp that dates every report title: the date in the order and with the
// separators and literals of the locale's short date pattern, each field as two digits (the
// year too), one blank, then hour and minute as two digits each around the time separator,
// cut to 14 characters ("01/05/24 13:05"). The hour is on the 24-hour clock: a designator
// never fits the 14 characters, and cutting it off would turn 13:05 into 01:05.
std::string StartStampText(const StampParts& now, const DateLocale& locale);

}  // namespace kav
