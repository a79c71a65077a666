#include "ui/main/logic/SettingsKeys.h"

#include <cassert>

namespace kav {
namespace {

constexpr std::array<KeyInfo, SettingsKeyCount> kKeys = {{
    {"Top", KeyKind::Number, 0, nullptr, nullptr},
    {"Left", KeyKind::Number, 0, nullptr, nullptr},
    {"NewDirNm", KeyKind::DirText, 0, nullptr, nullptr},
    {"NFCombo", KeyKind::History, 0, nullptr, nullptr},
    {"OldDirNm", KeyKind::DirText, 0, nullptr, nullptr},
    {"OFCombo", KeyKind::History, 0, nullptr, nullptr},
    {"NFDsCombo", KeyKind::History, 0, nullptr, nullptr},
    {"OFDsCombo", KeyKind::History, 0, nullptr, nullptr},
    {"CompareType", KeyKind::TypeText, 0, nullptr, nullptr},
    {"ViewResults", KeyKind::Flag, 0, nullptr, nullptr},
    {"TurnOffHint", KeyKind::Flag, 0, nullptr, nullptr},
    {"NoWarnDirC", KeyKind::Flag, 0, nullptr, nullptr},
    {"OptsUsed", KeyKind::Options, 0, nullptr, nullptr},
    {"SvULList", KeyKind::Selection, 0, nullptr, nullptr},
    {"SvLList", KeyKind::Selection, 0, nullptr, nullptr},
    {"SPFontSz", KeyKind::Bounded, 2, nullptr, &ViewerTexts::SPFontSz},
    {"SDFontSz", KeyKind::Bounded, 2, nullptr, &ViewerTexts::SDFontSz},
    {"SpPFontSz", KeyKind::Bounded, 2, nullptr, &ViewerTexts::SpPFontSz},
    {"SpDFontSz", KeyKind::Bounded, 2, nullptr, &ViewerTexts::SpDFontSz},
    {"OutFn", KeyKind::Bounded, 149, &RunState::OutputFileName, nullptr},
    {"VLTop", KeyKind::Bounded, 3, nullptr, &ViewerTexts::VLTop},
    {"VLHt", KeyKind::Bounded, 3, nullptr, &ViewerTexts::VLHt},
    {"VLWide", KeyKind::Bounded, 3, nullptr, &ViewerTexts::VLWide},
    {"VLSpTop", KeyKind::Bounded, 3, nullptr, &ViewerTexts::VLSpTop},
    {"VLSpHt", KeyKind::Bounded, 3, nullptr, &ViewerTexts::VLSpHt},
    {"VLSpWide", KeyKind::Bounded, 3, nullptr, &ViewerTexts::VLSpWide},
    {"HTop", KeyKind::Bounded, 4, nullptr, &ViewerTexts::HTop},
    {"HWide", KeyKind::Bounded, 4, nullptr, &ViewerTexts::HWide},
    {"HHt", KeyKind::Bounded, 4, nullptr, &ViewerTexts::HHt},
    {"HLeft", KeyKind::Bounded, 4, nullptr, &ViewerTexts::HLeft},
    {"HSplit", KeyKind::Bounded, 4, nullptr, &ViewerTexts::HSplit},
    {"SvSbsSk", KeyKind::Flag, 0, nullptr, nullptr},
    {"SvPrNoLmt", KeyKind::Flag, 0, nullptr, nullptr},
    {"SvEdLmtVal", KeyKind::Bounded, 3, &RunState::SegmentPagesText, nullptr},
    {"SvGrTop", KeyKind::Bounded, 4, nullptr, &ViewerTexts::SvGrTop},
    {"SvGrLeft", KeyKind::Bounded, 4, nullptr, &ViewerTexts::SvGrLeft},
    {"SvTrWidth", KeyKind::Bounded, 4, nullptr, &ViewerTexts::SvTrWidth},
    {"SvGrColWid", KeyKind::Bounded, 4, nullptr, &ViewerTexts::SvGrColWid},
    {"SvGrWidth", KeyKind::Bounded, 4, nullptr, &ViewerTexts::SvGrWidth},
    {"SvGrDNode", KeyKind::Bounded, 4, nullptr, &ViewerTexts::SvGrDNode},
    {"SvGrHeight", KeyKind::Bounded, 4, nullptr, &ViewerTexts::SvGrHeight},
}};

// A Bounded key, and only a Bounded key, names the one text it keeps: a run-state text or a
// viewer text.
constexpr bool EveryBoundedKeyHasItsText() {
  for (const KeyInfo& key : kKeys) {
    const int texts = (key.Text != nullptr ? 1 : 0) + (key.ViewerText != nullptr ? 1 : 0);
    if (texts != (key.Kind == KeyKind::Bounded ? 1 : 0)) return false;
  }
  return true;
}
static_assert(EveryBoundedKeyHasItsText());

}  // namespace

const KeyInfo& InfoOf(SettingsKey key) {
  return kKeys[static_cast<std::size_t>(key)];
}

SettingsKey KeyAt(std::size_t index) {
  return static_cast<SettingsKey>(index);
}

std::string& BoundedText(RunState& state, SettingsKey key) {
  const KeyInfo& info = InfoOf(key);
  assert(info.Kind == KeyKind::Bounded);
  return info.Text != nullptr ? state.*info.Text : state.Viewers.*info.ViewerText;
}

const std::string& BoundedText(const RunState& state, SettingsKey key) {
  const KeyInfo& info = InfoOf(key);
  assert(info.Kind == KeyKind::Bounded);
  return info.Text != nullptr ? state.*info.Text : state.Viewers.*info.ViewerText;
}

}  // namespace kav
