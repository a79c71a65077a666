#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "core/CompareTypes.h"
#include "core/RunContext.h"
#include "platform/FileSystem.h"
#include "run/Dispatcher.h"
#include "support/RecordingHost.h"
#include "support/TempTree.h"

namespace kav::test {

// Acts on every modal window of type `Window` as soon as it shows: `act` gets the window and
// should close it. A window that `act` leaves open (say, after a failed check) is closed, so
// a test never waits for ever. Counts the windows it acted on.
template <typename Window>
class ModalWatcher : public QObject {
 public:
  explicit ModalWatcher(std::function<void(Window*)> act) : act_(std::move(act)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }

  int opened = 0;

 private:
  void Poll() {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (window == nullptr || busy_) return;
    ++opened;
    busy_ = true;
    act_(window);
    busy_ = false;
    if (QApplication::activeModalWidget() == window) window->close();
  }

  std::function<void(Window*)> act_;
  bool busy_ = false;
  QTimer timer_;
};

// Two trees with every kind of difference: equal, changed and one-sided files, a paired
// sub-directory with changes, one only in New (with a file) and one only in Old.
inline void MakeRealisticTrees(const TempTree& tree) {
  tree.File("new/readme.txt", "same text");
  tree.File("old/readme.txt", "same text");
  tree.File("new/Main.cpp", "int main() { return 1; }");
  tree.File("old/Main.cpp", "int main() { return 0; }");
  tree.File("new/added.h", "#pragma once");
  tree.File("old/removed.h", "#pragma once");
  tree.SizedFile("new/lib/big.bin", 12345);
  tree.SizedFile("old/lib/big.bin", 12000);
  tree.File("new/lib/util.c", "same");
  tree.File("old/lib/util.c", "same");
  tree.File("new/lib/fresh/one.txt", "1");
  tree.File("old/lib/stale/two.txt", "22");
  tree.File("new/docs/guide.md", "guide");
  tree.File("old/docs/guide.md", "guide");
}

// One run's worth of state with a recording window, run through Start as the main window
// does, with "Bypass show of Report Panel" checked so that no viewer opens.
struct RecordedRun {
  RunState state;
  RecordingHost host;
  LocaleFacts locale;

  RunContext Context() { return RunContext{state, host, RealFileSystem(), locale}; }

  void Start(const TempTree& tree, int type, bool sideBySide = false) {
    state.StartStamp = "01/05/24 13:05";
    state.Panel.MnCbNewDirNm = tree.Path("new");
    state.Panel.MnCbOldDirNm = tree.Path("old");
    state.Panel.MnCbCompareType = std::string(CompareTypeItems[static_cast<std::size_t>(type - 1)]);
    state.Panel.MnCkViewResults = true;
    state.Panel.PrCkListStyle = sideBySide;
    RunContext ctx = Context();
    RunCompare(ctx);
  }
};

}  // namespace kav::test
