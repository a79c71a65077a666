#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QCheckBox;
class QPushButton;

namespace kav::ui {

// The modeless find dialog of the list viewers: a text, Up or Down (Down preset), a match-case
// box that stays disabled (the search ignores case) and no whole-word box. "Find Next" asks
// the viewer to search; the dialog stays open.
class FindTextDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FindTextDialog(QWidget* parent);

  QString Text() const;
  bool Down() const;
  void SetText(const QString& text);
  void SetDown(bool down);
  // Opens with Down preset, the text selected and the focus in it.
  void Open();

 signals:
  void FindNext();

 private:
  QLineEdit* text_;
  QRadioButton* up_;
  QRadioButton* down_;
  QCheckBox* matchCase_;
  QPushButton* findNext_;
};

}  // namespace kav::ui
