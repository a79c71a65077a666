#include "ui/main/logic/SettingsKeys.h"

namespace kav {
namespace {

constexpr std::array<KeyInfo, SettingsKeyCount> kKeys = {{
    {"Top", KeyKind::Number, 0},           {"Left", KeyKind::Number, 0},
    {"NewDirNm", KeyKind::DirText, 0},     {"NFCombo", KeyKind::History, 0},
    {"OldDirNm", KeyKind::DirText, 0},     {"OFCombo", KeyKind::History, 0},
    {"NFDsCombo", KeyKind::History, 0},    {"OFDsCombo", KeyKind::History, 0},
    {"CompareType", KeyKind::TypeText, 0}, {"ViewResults", KeyKind::Flag, 0},
    {"TurnOffHint", KeyKind::Flag, 0},     {"NoWarnDirC", KeyKind::Flag, 0},
    {"OptsUsed", KeyKind::Options, 0},     {"SvULList", KeyKind::Selection, 0},
    {"SvLList", KeyKind::Selection, 0},    {"SPFontSz", KeyKind::Bounded, 2},
    {"SDFontSz", KeyKind::Bounded, 2},     {"SpPFontSz", KeyKind::Bounded, 2},
    {"SpDFontSz", KeyKind::Bounded, 2},    {"OutFn", KeyKind::Bounded, 149},
    {"VLTop", KeyKind::Bounded, 3},        {"VLHt", KeyKind::Bounded, 3},
    {"VLWide", KeyKind::Bounded, 3},       {"VLSpTop", KeyKind::Bounded, 3},
    {"VLSpHt", KeyKind::Bounded, 3},       {"VLSpWide", KeyKind::Bounded, 3},
    {"HTop", KeyKind::Bounded, 4},         {"HWide", KeyKind::Bounded, 4},
    {"HHt", KeyKind::Bounded, 4},          {"HLeft", KeyKind::Bounded, 4},
    {"HSplit", KeyKind::Bounded, 4},       {"SvSbsSk", KeyKind::Flag, 0},
    {"SvPrNoLmt", KeyKind::Flag, 0},       {"SvEdLmtVal", KeyKind::Bounded, 3},
    {"SvGrTop", KeyKind::Bounded, 4},      {"SvGrLeft", KeyKind::Bounded, 4},
    {"SvTrWidth", KeyKind::Bounded, 4},    {"SvGrColWid", KeyKind::Bounded, 4},
    {"SvGrWidth", KeyKind::Bounded, 4},    {"SvGrDNode", KeyKind::Bounded, 4},
    {"SvGrHeight", KeyKind::Bounded, 4},
}};

template <typename State>
auto& TextOf(State& state, SettingsKey key) {
  switch (key) {
    case SettingsKey::SPFontSz:
      return state.SPFontSz;
    case SettingsKey::SDFontSz:
      return state.SDFontSz;
    case SettingsKey::SpPFontSz:
      return state.SpPFontSz;
    case SettingsKey::SpDFontSz:
      return state.SpDFontSz;
    case SettingsKey::OutFn:
      return state.OutputFileName;
    case SettingsKey::VLTop:
      return state.VLTop;
    case SettingsKey::VLHt:
      return state.VLHt;
    case SettingsKey::VLWide:
      return state.VLWide;
    case SettingsKey::VLSpTop:
      return state.VLSpTop;
    case SettingsKey::VLSpHt:
      return state.VLSpHt;
    case SettingsKey::VLSpWide:
      return state.VLSpWide;
    case SettingsKey::HTop:
      return state.HTop;
    case SettingsKey::HWide:
      return state.HWide;
    case SettingsKey::HHt:
      return state.HHt;
    case SettingsKey::HLeft:
      return state.HLeft;
    case SettingsKey::HSplit:
      return state.HSplit;
    case SettingsKey::SvEdLmtVal:
      return state.SegmentPagesText;
    case SettingsKey::SvGrTop:
      return state.SvGrTop;
    case SettingsKey::SvGrLeft:
      return state.SvGrLeft;
    case SettingsKey::SvTrWidth:
      return state.SvTrWidth;
    case SettingsKey::SvGrColWid:
      return state.SvGrColWid;
    case SettingsKey::SvGrWidth:
      return state.SvGrWidth;
    case SettingsKey::SvGrDNode:
      return state.SvGrDNode;
    default:
      return state.SvGrHeight;
  }
}

}  // namespace

const KeyInfo& InfoOf(SettingsKey key) {
  return kKeys[static_cast<std::size_t>(key)];
}

SettingsKey KeyAt(std::size_t index) {
  return static_cast<SettingsKey>(index);
}

std::string& BoundedText(RunState& state, SettingsKey key) {
  return TextOf(state, key);
}

const std::string& BoundedText(const RunState& state, SettingsKey key) {
  return TextOf(state, key);
}

}  // namespace kav
