#include "ui/main/logic/SettingsWriter.h"

#include "platform/SettingsPath.h"
#include "ui/main/logic/DirHistory.h"
#include "ui/main/logic/SettingsKeys.h"

namespace kav {
namespace {

StringList WithoutCurrent(StringList history, const std::string& current) {
  int found = FindInHistory(history, current);
  if (found >= 0) history.erase(history.begin() + found);
  return history;
}

struct Writing {
  const MainSettings& Settings;
  const RunState& State;
  StringList NewHistory;
  StringList OldHistory;
  std::vector<IniKeyValue> Out;

  void Put(std::string_view key, std::string value) {
    Out.push_back({std::string(key), std::move(value)});
  }

  void PutHistory(std::string_view family, const StringList& history) {
    for (std::size_t i = 0; i < history.size(); ++i) {
      Put(std::string(family) + std::to_string(i), history[i]);
    }
  }

  bool FlagOf(SettingsKey key) const {
    switch (key) {
      case SettingsKey::ViewResults:
        return Settings.ViewResults;
      case SettingsKey::TurnOffHint:
        return Settings.TurnOffHint;
      case SettingsKey::NoWarnDirC:
        return Settings.NoWarnDirC;
      case SettingsKey::SvSbsSk:
        return State.SaveStacked;
      default:
        return State.PrintAllPages;
    }
  }

  const StringList& HistoryOf(SettingsKey key) const {
    switch (key) {
      case SettingsKey::NFCombo:
        return NewHistory;
      case SettingsKey::OFCombo:
        return OldHistory;
      case SettingsKey::NFDsCombo:
        return Settings.DsNewHistory;
      default:
        return Settings.DsOldHistory;
    }
  }

  void PutKey(SettingsKey key) {
    const KeyInfo& info = InfoOf(key);
    switch (info.Kind) {
      case KeyKind::Number:
        Put(info.Name, std::to_string(key == SettingsKey::Top ? Settings.Top : Settings.Left));
        break;
      case KeyKind::DirText:
        Put(info.Name, key == SettingsKey::NewDirNm ? Settings.NewDirNm : Settings.OldDirNm);
        break;
      case KeyKind::History:
        PutHistory(info.Name, HistoryOf(key));
        break;
      case KeyKind::TypeText:
        Put(info.Name, Settings.CompareType);
        break;
      case KeyKind::Flag:
        Put(info.Name, FlagOf(key) ? "1" : "0");
        break;
      case KeyKind::Options:
        Put(info.Name, Settings.OptionsText);
        break;
      case KeyKind::Selection: {
        const std::string& text =
            key == SettingsKey::SvULList ? State.UnlikeSelectionText : State.LikeSelectionText;
        if (!text.empty()) Put(info.Name, text);
        break;
      }
      case KeyKind::Bounded:
        Put(info.Name, BoundedText(State, key));
        break;
    }
  }
};

}  // namespace

std::vector<IniKeyValue> SettingsEntries(const MainSettings& settings, const RunState& state) {
  Writing writing{settings,
                  state,
                  WithoutCurrent(settings.NewHistory, settings.NewDirNm),
                  WithoutCurrent(settings.OldHistory, settings.OldDirNm),
                  {}};
  for (std::size_t i = 0; i < SettingsKeyCount; ++i) writing.PutKey(KeyAt(i));
  return std::move(writing.Out);
}

std::string SaveSettingsFile(const std::string& path, const MainSettings& settings,
                             const RunState& state) {
  if (!EnsureFolderOf(path)) return "Cannot create the folder of \"" + path + "\"";
  return WriteIniSection(path, SettingsSection, SettingsEntries(settings, state));
}

}  // namespace kav
