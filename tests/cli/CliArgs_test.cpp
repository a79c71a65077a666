#include "cli/CliArgs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kav::cli {
namespace {

ParsedArgs Parse(const std::vector<std::string_view>& args) {
  return ParseCliArgs(args);
}

TEST(ParseCliArgs, DefaultsToTypeOneWithNoPreferences) {
  const ParsedArgs parsed = Parse({"/n", "/o"});
  ASSERT_EQ(parsed.Error, "");
  EXPECT_EQ(parsed.Options.Type, 1);
  EXPECT_EQ(parsed.Options.NewDir, "/n");
  EXPECT_EQ(parsed.Options.OldDir, "/o");
  EXPECT_TRUE(parsed.Options.HasOldDir);
  EXPECT_EQ(parsed.Options.Color, ColorWhen::Auto);
  const PanelInputs& p = parsed.Options.Preferences;
  EXPECT_FALSE(p.PrCkVeqf || p.PrCkItdt || p.PrCkChgO || p.PrCkSpnm || p.PrCkListDEO ||
               p.PrCkOvsO || p.PrCkLmcf || p.PrCkGmsg || p.PrCkLchv || p.PrCkListStyle);
}

TEST(ParseCliArgs, ShortLongAndInlineFormsAgree) {
  for (const std::vector<std::string_view>& args : {
           std::vector<std::string_view>{"-t", "5", "/n"},
           std::vector<std::string_view>{"--type", "5", "/n"},
           std::vector<std::string_view>{"--type=5", "/n"},
       }) {
    const ParsedArgs parsed = Parse(args);
    ASSERT_EQ(parsed.Error, "");
    EXPECT_EQ(parsed.Options.Type, 5);
    EXPECT_EQ(parsed.Options.NewDir, "/n");
    EXPECT_FALSE(parsed.Options.HasOldDir);
  }
}

TEST(ParseCliArgs, SelectionsKeepTheirOrderAndDoubleDashEndsOptions) {
  const ParsedArgs parsed = Parse({"-t", "3", "--select", "b", "--select=a", "--", "-n", "/o"});
  ASSERT_EQ(parsed.Error, "");
  EXPECT_EQ(parsed.Options.Selects, (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(parsed.Options.NewDir, "-n");
  const ParsedArgs pairs = Parse({"-t", "4", "--pair", "x : y", "--pair", "z : w", "/n", "/o"});
  EXPECT_EQ(pairs.Options.Pairs, (std::vector<std::string>{"x : y", "z : w"}));
}

TEST(ParseCliArgs, HelpAndVersionNeedNoDirectories) {
  EXPECT_TRUE(Parse({"--help"}).Options.Help);
  EXPECT_EQ(Parse({"-h"}).Error, "");
  EXPECT_TRUE(Parse({"--version"}).Options.Version);
  EXPECT_EQ(Parse({"--version"}).Error, "");
}

TEST(ParseCliArgs, ColorValues) {
  EXPECT_EQ(Parse({"--color", "always", "/n"}).Options.Color, ColorWhen::Always);
  EXPECT_EQ(Parse({"--color=never", "/n"}).Options.Color, ColorWhen::Never);
  EXPECT_EQ(Parse({"--color", "auto", "/n"}).Options.Color, ColorWhen::Auto);
  EXPECT_NE(Parse({"--color", "ALWAYS", "/n"}).Error, "");
}

TEST(ParseCliArgs, FirstProblemIsReported) {
  EXPECT_EQ(Parse({"-t", "0", "/n"}).Error, "invalid type '0' (expected 1 to 6)");
  EXPECT_EQ(Parse({"-t", "12", "/n"}).Error, "invalid type '12' (expected 1 to 6)");
  EXPECT_EQ(Parse({"-x", "-t", "9"}).Error, "unknown option '-x'");
  EXPECT_EQ(Parse({"-o"}).Error, "option '-o' needs a value");
  EXPECT_EQ(Parse({}).Error, "the New directory is missing");
}

struct CodeCase {
  std::string_view Codes;
  bool PanelInputs::*CheckBox;
};

TEST(ApplyOptionCodes, EachCodeSetsItsOwnCheckBox) {
  const std::vector<CodeCase> cases = {
      {"Veqf", &PanelInputs::PrCkVeqf}, {"chgo", &PanelInputs::PrCkChgO},
      {"SPNM", &PanelInputs::PrCkSpnm}, {"Ldeo", &PanelInputs::PrCkListDEO},
      {"iTdT", &PanelInputs::PrCkItdt}, {"Ovso", &PanelInputs::PrCkOvsO},
      {"Lmcf", &PanelInputs::PrCkLmcf}, {"Gmsg", &PanelInputs::PrCkGmsg},
      {"Lchv", &PanelInputs::PrCkLchv}, {"lsbs", &PanelInputs::PrCkListStyle},
  };
  for (const CodeCase& c : cases) {
    PanelInputs panel;
    EXPECT_EQ(ApplyOptionCodes(c.Codes, panel), "") << c.Codes;
    EXPECT_TRUE(panel.*c.CheckBox) << c.Codes;
    int set = 0;
    for (const CodeCase& other : cases) set += panel.*other.CheckBox ? 1 : 0;
    EXPECT_EQ(set, 1) << c.Codes;
  }
}

TEST(ApplyOptionCodes, SeparatorsAndUnknownCodes) {
  PanelInputs panel;
  EXPECT_EQ(ApplyOptionCodes(" ,Veqf,, Itdt\tlchv ,", panel), "");
  EXPECT_TRUE(panel.PrCkVeqf && panel.PrCkItdt && panel.PrCkLchv);
  EXPECT_FALSE(panel.PrCkChgO);
  EXPECT_EQ(ApplyOptionCodes("", panel), "");
  EXPECT_EQ(ApplyOptionCodes("Veqf Veq", panel), "Veq");
  EXPECT_EQ(ApplyOptionCodes("Veqfx", panel), "Veqfx");
  EXPECT_EQ(ApplyOptionCodes("Veqf;Itdt", panel), "Veqf;Itdt");
}

}  // namespace
}  // namespace kav::cli
