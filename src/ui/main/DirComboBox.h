#pragma once

#include <QComboBox>
#include <string>

#include "core/RunState.h"
#include "platform/FileSystem.h"
#include "ui/main/QtText.h"
#include "ui/main/logic/DirHistory.h"

namespace kav::ui {

// An editable combo box holding a directory text and its history list: nothing is added to the
// list by pressing Enter, no completion rewrites what is typed, ten rows drop down, and drops
// go to the window beneath (which decides New or Old). It announces its drop-down so that the
// history rule can run before the list shows.
class DirComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit DirComboBox(QWidget* parent = nullptr);
  void showPopup() override;

 signals:
  void PopupOpening();
};

// Editable combo boxes as the program sets them up (see DirComboBox).
void SetUpEditableCombo(QComboBox* combo);

// The texts below are bytes, as the engine and the settings file hold them. A text or list
// entry given here keeps its exact bytes while it is shown unchanged, even where they are not
// valid UTF-8 and show as replacement characters; a text the user typed is UTF-8.
std::string ComboText(const QComboBox* combo);
// Sets the text shown in the edit field, keeping the list.
void SetComboText(QComboBox* combo, const std::string& text);

StringList ComboItems(const QComboBox* combo);
// Replaces the list and selects its first entry while the edit field keeps its text and its
// cursor, so that a list change in the middle of typing does not disturb the typing.
void SetComboItems(QComboBox* combo, const StringList& items);

// The history rule for `text` on the combo's list when the history accepts it: the list is
// replaced only when the rule changed it.
void RememberInComboHistory(QComboBox* combo, const FileSystem& fs, const std::string& text,
                            HistoryAccepts accepts);

}  // namespace kav::ui
