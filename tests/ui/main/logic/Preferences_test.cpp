#include "ui/main/logic/Preferences.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

PreferenceChecks Checked(std::initializer_list<const char*> names) {
  PreferenceChecks checks{};
  for (const char* name : names) {
    for (std::size_t box = 0; box < PreferenceTable.size(); ++box) {
      if (PreferenceTable[box].Name == name) checks[box] = true;
    }
  }
  return checks;
}

TEST(Preferences, OptionsTextFollowsPanelOrder) {
  EXPECT_EQ(OptionsText({}), "None");
  EXPECT_EQ(OptionsText(Checked({"PrCkListStyle", "PrCkVeqf", "PrCkItdt"})), "Veqf Itdt Lsbs");
  PreferenceChecks all;
  all.fill(true);
  EXPECT_EQ(OptionsText(all), "Veqf Chgo Spnm Ldeo Itdt Ovso Lmcf Gmsg Lchv Lsbs");
}

TEST(Preferences, StoredOptionsCheckBoxesInFileOrder) {
  struct Case {
    const char* value;
    PreferenceChecks checks;
    const char* caption;
  } cases[] = {
      {"None", {}, "None"},
      {"none Veqf", {}, "None"},
      {"chgo veqf", Checked({"PrCkChgO", "PrCkVeqf"}), "Chgo Veqf"},
      {"Lsbs Xxxx Ldeo", Checked({"PrCkListStyle", "PrCkListDEO"}), "Lsbs Ldeo"},
      {"Veqf,Chgo", Checked({"PrCkVeqf", "PrCkChgO"}), "Veqf Chgo"},
      {"Veqf  Chgo", Checked({"PrCkVeqf"}), "Veqf"},  // two blanks put the next token off
      {"Veq", {}, "None"},
      {"", {}, "None"},
      {"V", {}, "None"},
  };
  for (const Case& c : cases) {
    PreferenceChecks checks{};
    std::string text;
    ApplyStoredOptions(c.value, checks, text);
    EXPECT_EQ(checks, c.checks) << c.value;
    EXPECT_EQ(FinishOptionsText(text), c.caption) << c.value;
  }
}

TEST(Preferences, PanelInputsGetEachBox) {
  for (std::size_t box = 0; box < PreferenceTable.size(); ++box) {
    PreferenceChecks checks{};
    checks[box] = true;
    PanelInputs panel;
    CopyPreferences(checks, panel);
    const bool fields[] = {panel.PrCkVeqf, panel.PrCkChgO,     panel.PrCkSpnm, panel.PrCkListDEO,
                           panel.PrCkItdt, panel.PrCkOvsO,     panel.PrCkLmcf, panel.PrCkGmsg,
                           panel.PrCkLchv, panel.PrCkListStyle};
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(fields[i], i == box) << box << " " << i;
  }
}

}  // namespace
}  // namespace kav
