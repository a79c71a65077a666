#include "ui/main/logic/PanelPacer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kav {
namespace {

constexpr std::int64_t kMs = 1'000'000;

// What the panel shows after the changes handed to it so far, and how often it painted.
struct ShownPanel {
  std::map<Control, std::string> texts;
  int progress = -1;
  bool firstImage = true;
  int paints = 0;

  void Show(const PanelChanges& changes) {
    if (changes.Empty()) return;
    ++paints;
    for (const auto& [control, text] : changes.Texts) texts[control] = text;
    if (changes.Progress) progress = *changes.Progress;
    if (changes.SwapBusyImages) firstImage = !firstImage;
  }
};

TEST(PanelPacer, ABurstPaintsAtTheIntervalAndEndsWithTheLastValues) {
  struct Burst {
    int calls;
    std::int64_t stepNs;
    int maxPaints;
  };
  // 50,000 nodes in half a second, 200 in 10 s, and a burst with no time passing.
  for (const Burst& burst :
       {Burst{50'000, 10'000, 11}, Burst{200, 50 * kMs, 200}, Burst{1'000, 0, 1}}) {
    PanelPacer pacer(50 * kMs);
    ShownPanel panel;
    std::int64_t now = 7 * kMs;
    for (int i = 0; i < burst.calls; ++i, now += burst.stepNs) {
      pacer.SetText(Control::MnCurrStatus, "Processing node: " + std::to_string(i));
      pacer.SetText(Control::MnTitlePosPCent, std::to_string(i * 100 / burst.calls) + "%");
      pacer.SetProgress(i * 100 / burst.calls);
      pacer.ToggleBusyImages();
      panel.Show(pacer.TakeDue(now));
    }
    pacer.SetText(Control::MnCurrStatus, " Operation completed normally.");
    panel.Show(pacer.TakeAll());

    EXPECT_LE(panel.paints, burst.maxPaints + 1) << burst.calls;
    EXPECT_EQ(panel.texts[Control::MnCurrStatus], " Operation completed normally.");
    EXPECT_EQ(panel.texts[Control::MnTitlePosPCent],
              std::to_string((burst.calls - 1) * 100 / burst.calls) + "%");
    EXPECT_EQ(panel.progress, (burst.calls - 1) * 100 / burst.calls);
    EXPECT_TRUE(pacer.TakeAll().Empty());
  }
}

TEST(PanelPacer, PaintsTheFirstChangeAtOnceAndNothingWhenNothingChanged) {
  PanelPacer pacer(50 * kMs);
  EXPECT_TRUE(pacer.TakeDue(0).Empty());
  pacer.SetText(Control::MnTitleProgBar, "Dir.Progress");
  const PanelChanges first = pacer.TakeDue(0);
  ASSERT_EQ(first.Texts.size(), 1u);
  EXPECT_EQ(first.Texts[0].second, "Dir.Progress");
  pacer.SetText(Control::MnTitleProgBar, "File Progress");
  EXPECT_TRUE(pacer.TakeDue(49 * kMs).Empty());
  EXPECT_EQ(pacer.TakeDue(50 * kMs).Texts.at(0).second, "File Progress");
}

TEST(PanelPacer, TheBusyImagesSwapOncePerPaintUnlessTheRunSetThemItself) {
  PanelPacer pacer(50 * kMs);
  pacer.ToggleBusyImages();
  pacer.ToggleBusyImages();
  EXPECT_TRUE(pacer.TakeDue(0).SwapBusyImages);
  pacer.ToggleBusyImages();
  pacer.DropBusySwap();
  EXPECT_TRUE(pacer.TakeAll().Empty());
}

}  // namespace
}  // namespace kav
