#include "ui/main/logic/SettingsKeys.h"

#include <cassert>

namespace kav {
namespace {

constexpr std::array<KeyInfo, SettingsKeyCount> kKeys = {{
    {"Top", KeyKind::Number, 0, nullptr},
    {"Left", KeyKind::Number, 0, nullptr},
    {"NewDirNm", KeyKind::DirText, 0, nullptr},
    {"NFCombo", KeyKind::History, 0, nullptr},
    {"OldDirNm", KeyKind::DirText, 0, nullptr},
    {"OFCombo", KeyKind::History, 0, nullptr},
    {"NFDsCombo", KeyKind::History, 0, nullptr},
    {"OFDsCombo", KeyKind::History, 0, nullptr},
    {"CompareType", KeyKind::TypeText, 0, nullptr},
    {"ViewResults", KeyKind::Flag, 0, nullptr},
    {"TurnOffHint", KeyKind::Flag, 0, nullptr},
    {"NoWarnDirC", KeyKind::Flag, 0, nullptr},
    {"OptsUsed", KeyKind::Options, 0, nullptr},
    {"SvULList", KeyKind::Selection, 0, nullptr},
    {"SvLList", KeyKind::Selection, 0, nullptr},
    {"SPFontSz", KeyKind::Bounded, 2, &RunState::SPFontSz},
    {"SDFontSz", KeyKind::Bounded, 2, &RunState::SDFontSz},
    {"SpPFontSz", KeyKind::Bounded, 2, &RunState::SpPFontSz},
    {"SpDFontSz", KeyKind::Bounded, 2, &RunState::SpDFontSz},
    {"OutFn", KeyKind::Bounded, 149, &RunState::OutputFileName},
    {"VLTop", KeyKind::Bounded, 3, &RunState::VLTop},
    {"VLHt", KeyKind::Bounded, 3, &RunState::VLHt},
    {"VLWide", KeyKind::Bounded, 3, &RunState::VLWide},
    {"VLSpTop", KeyKind::Bounded, 3, &RunState::VLSpTop},
    {"VLSpHt", KeyKind::Bounded, 3, &RunState::VLSpHt},
    {"VLSpWide", KeyKind::Bounded, 3, &RunState::VLSpWide},
    {"HTop", KeyKind::Bounded, 4, &RunState::HTop},
    {"HWide", KeyKind::Bounded, 4, &RunState::HWide},
    {"HHt", KeyKind::Bounded, 4, &RunState::HHt},
    {"HLeft", KeyKind::Bounded, 4, &RunState::HLeft},
    {"HSplit", KeyKind::Bounded, 4, &RunState::HSplit},
    {"SvSbsSk", KeyKind::Flag, 0, nullptr},
    {"SvPrNoLmt", KeyKind::Flag, 0, nullptr},
    {"SvEdLmtVal", KeyKind::Bounded, 3, &RunState::SegmentPagesText},
    {"SvGrTop", KeyKind::Bounded, 4, &RunState::SvGrTop},
    {"SvGrLeft", KeyKind::Bounded, 4, &RunState::SvGrLeft},
    {"SvTrWidth", KeyKind::Bounded, 4, &RunState::SvTrWidth},
    {"SvGrColWid", KeyKind::Bounded, 4, &RunState::SvGrColWid},
    {"SvGrWidth", KeyKind::Bounded, 4, &RunState::SvGrWidth},
    {"SvGrDNode", KeyKind::Bounded, 4, &RunState::SvGrDNode},
    {"SvGrHeight", KeyKind::Bounded, 4, &RunState::SvGrHeight},
}};

// A Bounded key, and only a Bounded key, names the run-state text it keeps.
constexpr bool EveryBoundedKeyHasItsText() {
  for (const KeyInfo& key : kKeys) {
    if ((key.Kind == KeyKind::Bounded) != (key.Text != nullptr)) return false;
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
  assert(InfoOf(key).Text != nullptr);
  return state.*InfoOf(key).Text;
}

const std::string& BoundedText(const RunState& state, SettingsKey key) {
  assert(InfoOf(key).Text != nullptr);
  return state.*InfoOf(key).Text;
}

}  // namespace kav
