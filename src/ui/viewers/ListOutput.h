#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "core/RunState.h"
#include "ui/viewers/logic/ColoredOutput.h"

class QWidget;

namespace kav::ui {

// What the list viewers' print and save actions share.

// The wait cursor for the life of the object.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Lets pending paint events run while user input waits (the window stays disabled).
void RepaintPending();

// The save dialog of the list viewers, started from the stored output file name when
// `storedUsable` (else from the New directory's folder). Returns the chosen name with
// `defaultExtension` added when it has none, kept as the output file name; empty when the
// user cancelled.
std::string AskListSaveName(QWidget* parent, RunState& state, bool storedUsable,
                            std::string_view defaultExtension);

// Writes `content` to `path` whole, or nothing: after the old content when `append` (the
// combined file replaces the old one, so a failure leaves the old file as it was). Returns
// the reason of a failure, else "".
std::string SaveWholeFile(const std::string& path, std::string_view content, bool append);

// Saves a coloured document as RTF at the print font size; "" or the reason of a failure.
std::string SaveColoredFile(const std::string& path, const ColoredDocument& document, int points);

// The number in a font size box, 10 when it holds none.
int FontSizeOf(const QString& text);

}  // namespace kav::ui
