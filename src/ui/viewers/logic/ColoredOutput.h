#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/RunState.h"

namespace kav {

// Coloured output goes to the printer or into a rich-text file.
enum class ColoredMode { Print, Save };

// The single list viewer's coloured lines: the list header in red, then every line of the
// store numbered from 1 as "%4d  " + line. In a type 5 run each row takes its tree record's
// colour (the rows are coloured in order first, as the display does); otherwise red for "*",
// "Old Dir =" and "Kavendrif" rows, blue for "New Dir =" and "OPTIONS =" rows, else black.
std::vector<ColoredLine> SingleColoredLines(RunState& state, const std::string& header);

// The Yes/No question asked before the single viewer's coloured output goes out.
std::string ColoredOutputQuestion(ColoredMode mode, std::size_t lineCount);

// A coloured document as it goes out: printed under `Title`, or saved.
struct ColoredDocument {
  std::string Title;
  std::vector<ColoredLine> Lines;
};

// The split viewer's coloured output: the title, the New section, the Old section and, after
// a tree compare, the summary rows, each row in its record's colour. In save mode `send` gets
// one document with a separator line between the sections. In print mode it gets a document
// each time 800 rows were added since the section began (titled "RichEdit Text" + that
// count), one at the end of the New section ("RichEdit Text" + its row count) and the rest
// ("RichEdit Text"). `poll` runs every 100 rows so the screen can repaint.
void SplitColoredOutput(RunState& state, ColoredMode mode,
                        const std::function<void(ColoredDocument&&)>& send,
                        const std::function<void()>& poll);

inline constexpr int ColoredPrintChunkRows = 800;
inline constexpr const char* ColoredSeparatorLine = "******** PrintOut Separator ********";

}  // namespace kav
