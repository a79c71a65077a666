#pragma once

#include <QString>
#include <vector>

#include "core/RunState.h"

class QPlainTextEdit;
class QPrinter;

namespace kav::ui {

// The tree graph viewer's rich-text report box (GrReditEditBox): the combined report's
// coloured lines shown read-only, unwrapped, in "Courier New".

// Replaces the box's text with `lines` in their colours at `pointSize` points. The first
// thousand lines are in when it returns; the rest follow in slices while events run (a
// document takes some 5 microseconds a line), from a copy, so `lines` may change meanwhile.
// The box lays out only what it shows.
void RenderReport(QPlainTextEdit* box, const std::vector<ColoredLine>& lines, int pointSize);

// Puts the rest of the report into the box at once. The caret, find and print calls below do
// this themselves.
void FinishReport(QPlainTextEdit* box);

// Puts the caret at `position` (clamped to the text), scrolls it into view and focuses the box.
void PlaceReportCaret(QPlainTextEdit* box, long long position);

// One "Find Next" in the box without regard to case: selects the match and returns true, or
// returns false and leaves the caret. Down searches after the caret, up before it.
bool FindInReport(QPlainTextEdit* box, const QString& text, bool down);

// Writes the report to `path`, as RTF when the name ends in ".rtf" (any case), else as plain
// text. The file is replaced whole or not at all. Returns an empty text, or the error.
QString SaveReport(const QString& path, const std::vector<ColoredLine>& lines, int pointSize);

// Prints the box's text as one document titled "My Document Name".
void PrintReport(QPlainTextEdit* box, QPrinter& printer);

}  // namespace kav::ui
