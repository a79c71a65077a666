#pragma once

#include <QObject>

namespace kav::ui {

// The program-wide hint display ("Turn off All Panel Hints"): while off, every tooltip event
// of the application is swallowed, so no control shows its hint.
class HintSwitch : public QObject {
  Q_OBJECT
 public:
  explicit HintSwitch(QObject* parent = nullptr);
  ~HintSwitch() override;

  bool HintsShown() const { return shown_; }
  void SetHintsShown(bool shown) { shown_ = shown; }
  void Flip() { shown_ = !shown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool shown_ = true;
};

}  // namespace kav::ui
