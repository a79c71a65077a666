#include <QCheckBox>
#include <QFrame>

#include "ui/main/MainPages.h"
#include "ui/main/PageWidgets.h"
#include "ui/main/QtText.h"
#include "ui/main/logic/Preferences.h"

namespace kav::ui {
namespace {

constexpr int kRow = 18;
constexpr int kBoxWidth = 56;

struct PanelLine {
  enum Kind { Heading, Box, Note } What;
  const char* Text;
  int PanelIndex;  // Box: position in panel order
  const char* Beside = nullptr;
};

// The panel from top to bottom: headings, each box with its describing label, and notes.
const PanelLine kLines[] = {
    {PanelLine::Heading, "Applies to (1,2,3,4) -- All Compare Type Reports", -1},
    {PanelLine::Box, ": Validate equal size/time-stamp binary files as paranoid matches.", 0},
    {PanelLine::Heading, "Applies to (2) -- Compare Multiple Sub-Dir/File Name Report", -1},
    {PanelLine::Box, ": Overall summary totals with no tree view section.", 5},
    {PanelLine::Box, ": List only chg/mat files in paired directories.", 6},
    {PanelLine::Note, "--- Or ---", -1},
    {PanelLine::Box, ": List only chg/ins/del files in paired dir + all non-paired directories ",
     8},
    {PanelLine::Box, ": Generate message line for dir with files filtered (Icon report only).", 7},
    {PanelLine::Box, ": List S-by-S report. Override the explorer style icon nodes report.", 9},
    {PanelLine::Heading, "Applies to (1,3,4) -- Single Level Compare Type Reports", -1},
    {PanelLine::Box, ": Report only processed changed files in the summary.", 1},
    {PanelLine::Box, ": Include international date field in report.", 4, "Also for (2 and 5)."},
    {PanelLine::Heading, "Applies to (5,6) -- List Directory/File Names Reports ", -1},
    {PanelLine::Box, ": List directory entries but suppress file entries.", 3},
    {PanelLine::Heading, "Applies to (1) -- Single Level Compare Type Reports", -1},
    {PanelLine::Box, ": Suppress report of not-processed \"inserted/deleted names\".", 2},
};

void PlaceBox(QFrame* panel, const PanelLine& line, int y, PreferencesControls& c) {
  const auto box = static_cast<std::size_t>(line.PanelIndex);
  const std::string name(PreferenceTable[box].Name);
  auto* check = Place<QCheckBox>(panel, name.c_str(), {14, y, kBoxWidth, kRow});
  check->setText(ToQt(PreferenceCode(box)));
  c.Boxes[box] = check;
  auto* label =
      PlaceLabel(panel, (name + "Label").c_str(), {14 + kBoxWidth, y, 400, kRow}, line.Text);
  if (line.Beside != nullptr) {
    label->adjustSize();
    PlaceLabel(panel, (name + "Also").c_str(), {label->x() + label->width() + 6, y, 120, kRow},
               line.Beside);
  }
}

}  // namespace

PreferencesControls BuildPreferencesPage(QWidget* page) {
  PreferencesControls c;
  c.PrTitPr = PlaceLabel(page, "PrTitPr", {8, 6, 476, 20},
                         "Preference Options --- Affects Compare and Generated Results");
  QFont bold = c.PrTitPr->font();
  bold.setBold(true);
  c.PrTitPr->setFont(bold);
  c.PrPanPreferences = Place<QFrame>(page, "PrPanPreferences", {4, 28, 486, 320});
  c.PrPanPreferences->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  int y = 4;
  for (const PanelLine& line : kLines) {
    if (line.What == PanelLine::Heading) {
      y += y > 4 ? 4 : 0;
      QLabel* heading = PlaceLabel(c.PrPanPreferences, "PrHeading", {6, y, 470, kRow}, line.Text);
      heading->setFont(bold);
    } else if (line.What == PanelLine::Note) {
      PlaceLabel(c.PrPanPreferences, "PrLblOr", {14 + kBoxWidth, y, 200, kRow}, line.Text);
    } else {
      PlaceBox(c.PrPanPreferences, line, y, c);
    }
    y += kRow;
  }

  c.PrButReturn =
      PlaceButton(page, "PrButReturn", {8, 354, 96, 26}, "&Return", "Returns to Main Panel");
  c.PrButCancel = PlaceButton(page, "PrButCancel", {112, 354, 96, 26}, "&Cancel",
                              "Retains Original Preference Options and Returns");
  c.PrButReset = PlaceButton(page, "PrButReset", {216, 354, 96, 26}, "&Reset",
                             "Resets all Preferences to Unchecked State");
  return c;
}

}  // namespace kav::ui
