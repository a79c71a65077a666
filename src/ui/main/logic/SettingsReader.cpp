#include "ui/main/logic/SettingsReader.h"

#include <optional>

#include "platform/IniFile.h"
#include "platform/SettingsPath.h"
#include "text/CharacterCut.h"
#include "text/DecimalText.h"
#include "text/Format.h"
#include "ui/main/logic/DirHistory.h"
#include "ui/main/logic/SettingsKeys.h"

namespace kav {
namespace {

bool StartsWithNoCase(std::string_view line, std::string_view prefix) {
  return line.size() >= prefix.size() && EqualsNoCase(line.substr(0, prefix.size()), prefix);
}

// The key whose prefix the line begins with, and the value after it.
std::optional<SettingsKey> MatchKey(std::string_view line, std::string_view& value) {
  for (std::size_t i = 0; i < SettingsKeyCount; ++i) {
    const KeyInfo& info = InfoOf(KeyAt(i));
    if (info.Kind == KeyKind::History) {
      if (!StartsWithNoCase(line, info.Name)) continue;
      std::size_t start = info.Name.size() + 2;
      value = start <= line.size() ? line.substr(start) : std::string_view();
      return KeyAt(i);
    }
    if (StartsWithNoCase(line, info.Name) && line.size() > info.Name.size() &&
        line[info.Name.size()] == '=') {
      value = line.substr(info.Name.size() + 1);
      return KeyAt(i);
    }
  }
  return std::nullopt;
}

StringList& HistoryOf(MainSettings& settings, SettingsKey key) {
  switch (key) {
    case SettingsKey::NFCombo:
      return settings.NewHistory;
    case SettingsKey::OFCombo:
      return settings.OldHistory;
    case SettingsKey::NFDsCombo:
      return settings.DsNewHistory;
    default:
      return settings.DsOldHistory;
  }
}

bool& FlagOf(MainSettings& settings, RunState& state, SettingsKey key) {
  switch (key) {
    case SettingsKey::ViewResults:
      return settings.ViewResults;
    case SettingsKey::TurnOffHint:
      return settings.TurnOffHint;
    case SettingsKey::NoWarnDirC:
      return settings.NoWarnDirC;
    case SettingsKey::SvSbsSk:
      return state.SaveStacked;
    default:
      return state.PrintAllPages;
  }
}

struct Reading {
  const FileSystem& Fs;
  MainSettings& Settings;
  RunState& State;
  std::string Options;  // the options text as it grows
};

// Applies one value; false when it cannot be read.
bool ApplyValue(Reading& r, SettingsKey key, std::string_view value) {
  const KeyInfo& info = InfoOf(key);
  switch (info.Kind) {
    case KeyKind::Number: {
      std::optional<int> number = ParseClampedDecimal(value);
      if (!number) return false;
      (key == SettingsKey::Top ? r.Settings.Top : r.Settings.Left) = *number;
      return true;
    }
    case KeyKind::DirText:
      (key == SettingsKey::NewDirNm ? r.Settings.NewDirNm : r.Settings.OldDirNm) = value;
      return true;
    case KeyKind::History: {
      StringList& history = HistoryOf(r.Settings, key);
      if (r.Fs.IsDirectory(std::string(value)) && FindInHistory(history, value) < 0) {
        history.emplace_back(value);
      }
      return true;
    }
    case KeyKind::TypeText:
      r.Settings.CompareType = value;
      return true;
    case KeyKind::Flag:
      FlagOf(r.Settings, r.State, key) = value.starts_with('1');
      return true;
    case KeyKind::Options:
      ApplyStoredOptions(value, r.Settings.Preferences, r.Options);
      return true;
    case KeyKind::Selection:
      (key == SettingsKey::SvULList ? r.State.UnlikeSelectionText : r.State.LikeSelectionText) =
          value;
      return true;
    case KeyKind::Bounded:
      BoundedText(r.State, key) = CutCharacters(value, info.Width);
      return true;
  }
  return true;
}

}  // namespace

SettingsReadOutcome ApplySettingsLines(const std::vector<std::string>& lines, const FileSystem& fs,
                                       MainSettings& settings, RunState& state) {
  Reading reading{fs, settings, state, {}};
  SettingsReadOutcome outcome;
  for (const std::string& line : lines) {
    std::string_view value;
    std::optional<SettingsKey> key = MatchKey(line, value);
    if (key && !ApplyValue(reading, *key, value)) {
      outcome.Stopped = true;
      break;
    }
    ++outcome.LinesUsed;
  }
  settings.OptionsText = FinishOptionsText(reading.Options);
  return outcome;
}

bool LoadSettingsFile(const std::string& path, const FileSystem& fs, MainSettings& settings,
                      RunState& state) {
  std::vector<std::string> lines;
  if (!ReadIniSection(path, SettingsSection, lines)) return false;
  ApplySettingsLines(lines, fs, settings, state);
  return true;
}

}  // namespace kav
