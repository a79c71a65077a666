#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/RunState.h"

namespace kav {

// The settings keys in the order they are written, which is also the order in which a read
// line's beginning is tried against them.
enum class SettingsKey {
  Top,
  Left,
  NewDirNm,
  NFCombo,
  OldDirNm,
  OFCombo,
  NFDsCombo,
  OFDsCombo,
  CompareType,
  ViewResults,
  TurnOffHint,
  NoWarnDirC,
  OptsUsed,
  SvULList,
  SvLList,
  SPFontSz,
  SDFontSz,
  SpPFontSz,
  SpDFontSz,
  OutFn,
  VLTop,
  VLHt,
  VLWide,
  VLSpTop,
  VLSpHt,
  VLSpWide,
  HTop,
  HWide,
  HHt,
  HLeft,
  HSplit,
  SvSbsSk,
  SvPrNoLmt,
  SvEdLmtVal,
  SvGrTop,
  SvGrLeft,
  SvTrWidth,
  SvGrColWid,
  SvGrWidth,
  SvGrDNode,
  SvGrHeight,
};
inline constexpr std::size_t SettingsKeyCount = 41;

enum class KeyKind {
  Number,     // decimal, a failure to read stops the reading
  DirText,    // a main combo's text
  History,    // a family written as Name0, Name1, ...; read by its bare name and one digit
  TypeText,   // the compare type combo's text
  Flag,       // "1" or "0"
  Options,    // the options text
  Selection,  // a kept selection list, written only when not empty
  Bounded,    // a run-state text cut to its width when read
};

struct KeyInfo {
  std::string_view Name;
  KeyKind Kind;
  std::size_t Width;  // Bounded only
  // Bounded only, exactly one of the two: the run-state or viewer text the key keeps.
  std::string RunState::*Text;
  std::string ViewerTexts::*ViewerText;
};

// The key's name, kind and width.
const KeyInfo& InfoOf(SettingsKey key);
SettingsKey KeyAt(std::size_t index);

// The run-state text a Bounded key keeps; `key` must be Bounded.
std::string& BoundedText(RunState& state, SettingsKey key);
const std::string& BoundedText(const RunState& state, SettingsKey key);

}  // namespace kav
