#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace kav::cli {

// The ANSI escape that starts a report colour; empty for black (the terminal's own colour).
std::string_view AnsiColor(uint32_t color);

// One line, wrapped in its colour's escape when colouring is on and the colour is not black.
void WriteLine(std::ostream& out, std::string_view text, uint32_t color, bool colored);

// Every row of ReportLines as the single list viewer shows it (numbered rows, one-blank
// indent), coloured by its row colour. In a type 5 run the rows' colours are written back
// into NewTreeLines on the way, as the viewer does.
void WriteSingleListReport(RunState& state, std::ostream& out, bool colored);

// The combined report of a type 2 run, each line in its own colour.
void WriteColoredLines(const std::vector<ColoredLine>& lines, std::ostream& out, bool colored);

// Plain lines, one per line.
void WritePlainLines(const std::vector<std::string>& lines, std::ostream& out);

// Plain lines, one per line, as `produce` hands them to the sink it is given: a report of a
// million rows is written without ever being held whole.
void WritePlainLines(const std::function<void(const std::function<void(std::string)>&)>& produce,
                     std::ostream& out);

}  // namespace kav::cli
