// Reading and writing Kavdrift.ini: the key order, the reading rules and the round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/IniFile.h"
#include "support/TempTree.h"
#include "ui/main/logic/SettingsReader.h"
#include "ui/main/logic/SettingsWriter.h"

namespace kav {
namespace {

using Lines = std::vector<std::string>;

struct Fixture {
  test::TempTree tree;
  MainSettings settings;
  RunState state;

  SettingsReadOutcome Read(const Lines& lines) {
    return ApplySettingsLines(lines, RealFileSystem(), settings, state);
  }
};

Lines AsLines(const std::vector<IniKeyValue>& entries) {
  Lines lines;
  for (const IniKeyValue& e : entries) lines.push_back(e.Key + "=" + e.Value);
  return lines;
}

TEST(SettingsReader, InitialValuesWhenNothingIsRead) {
  Fixture f;
  EXPECT_FALSE(LoadSettingsFile(f.tree.Path("none.ini"), RealFileSystem(), f.settings, f.state));
  EXPECT_EQ(f.settings.Top, 164);
  EXPECT_EQ(f.settings.Left, 616);
  EXPECT_EQ(f.settings.CompareType, "1. Compare All Like-Name Files - Current New/Old Dirs");
  EXPECT_EQ(f.settings.OptionsText, "None");
  EXPECT_EQ(f.state.SegmentPagesText, "0");
  EXPECT_EQ(f.state.Viewers.VLWide, "");
}

TEST(SettingsReader, KeysMatchWithoutCaseAndKeepTheirValues) {
  Fixture f;
  f.tree.Dir("Work/New");
  f.tree.Dir("hist1");
  f.tree.Dir("hist2");
  f.tree.Dir("Hist2");  // another directory, but the same history entry
  SettingsReadOutcome outcome = f.Read({
      "top=-20",
      "LEFT=30",
      "NewDirNm=" + f.tree.Path("Work/New"),
      "NFCombo0=" + f.tree.Path("hist1"),
      "NFCombo1=" + f.tree.Path("gone"),
      "nfcombo2=" + f.tree.Path("hist2"),
      "NFCombo3=" + f.tree.Path("Hist2"),
      "NFCombo10=" + f.tree.Path("hist1"),
      "OFDsCombo0=" + f.tree.Path("hist1"),
      "OldDirNm=/not/checked",
      "CompareType=5. List All Sub Levels Dir/Files - New Dir Tree - Only",
      "ViewResults=1",
      "TurnOffHint=0",
      "NoWarnDirC=1x",
      "OptsUsed=chgo veqf",
      "SvULList=a.txt : b.txt;",
      "SvLList=a.txt;b.txt;",
      "SPFontSz=123",
      "VLWide=1024",
      "OutFn=" + std::string(200, 'x'),
      "SvEdLmtVal=25",
      "SvSbsSk=1",
      "SvPrNoLmt=true",
      "SvGrHeight=98765",
      "Topx=1",
      "Unknown=1",
  });
  EXPECT_FALSE(outcome.Stopped);
  EXPECT_EQ(f.settings.Top, -20);
  EXPECT_EQ(f.settings.Left, 30);
  EXPECT_EQ(f.settings.NewDirNm, f.tree.Path("Work/New"));  // case kept: it is opened again
  EXPECT_EQ(f.settings.OldDirNm, "/not/checked");
  EXPECT_EQ(f.settings.NewHistory, (Lines{f.tree.Path("hist1"), f.tree.Path("hist2")}));
  EXPECT_EQ(f.settings.DsOldHistory, Lines{f.tree.Path("hist1")});
  EXPECT_EQ(f.settings.CompareType, "5. List All Sub Levels Dir/Files - New Dir Tree - Only");
  EXPECT_TRUE(f.settings.ViewResults);
  EXPECT_FALSE(f.settings.TurnOffHint);
  EXPECT_TRUE(f.settings.NoWarnDirC);
  EXPECT_EQ(f.settings.OptionsText, "Chgo Veqf");
  EXPECT_TRUE(f.settings.Preferences[0]);  // PrCkVeqf
  EXPECT_TRUE(f.settings.Preferences[1]);  // PrCkChgO
  EXPECT_EQ(f.state.UnlikeSelectionText, "a.txt : b.txt;");
  EXPECT_EQ(f.state.LikeSelectionText, "a.txt;b.txt;");
  EXPECT_EQ(f.state.Viewers.SPFontSz, "12");
  EXPECT_EQ(f.state.Viewers.VLWide, "102");
  EXPECT_EQ(f.state.OutputFileName, std::string(149, 'x'));
  EXPECT_EQ(f.state.SegmentPagesText, "25");
  EXPECT_TRUE(f.state.SaveStacked);
  EXPECT_FALSE(f.state.PrintAllPages);
  EXPECT_EQ(f.state.Viewers.SvGrHeight, "9876");
}

TEST(SettingsReader, AMalformedLineStopsTheReading) {
  Fixture f;
  SettingsReadOutcome outcome =
      f.Read({"Top=10", "OptsUsed=Lsbs", "Left=abc", "Top=99", "CompareType=x", "OptsUsed=Veqf"});
  EXPECT_TRUE(outcome.Stopped);
  EXPECT_EQ(outcome.LinesUsed, 2u);
  EXPECT_EQ(f.settings.Top, 10);
  EXPECT_EQ(f.settings.Left, 616);
  EXPECT_EQ(f.settings.CompareType, "1. Compare All Like-Name Files - Current New/Old Dirs");
  EXPECT_EQ(f.settings.OptionsText, "Lsbs");
}

TEST(SettingsReader, OptsUsedNoneLeavesEveryBoxUnchecked) {
  Fixture f;
  f.Read({"OptsUsed=None"});
  EXPECT_EQ(f.settings.OptionsText, "None");
  EXPECT_EQ(f.settings.Preferences, PreferenceChecks{});
}

TEST(SettingsWriter, KeysInTheirOrder) {
  Fixture f;
  f.settings.Top = 12;
  f.settings.Left = -4;
  f.settings.NewDirNm = "/n";
  f.settings.NewHistory = {"/h1", "/N", "/h2"};
  f.settings.OldDirNm = "/o";
  f.settings.OldHistory = {"/o2"};
  f.settings.DsNewHistory = {"/n"};
  f.settings.ViewResults = true;
  f.settings.OptionsText = "Veqf Lsbs";
  f.state.LikeSelectionText = "a;";
  f.state.Viewers.VLWide = "102";
  f.state.SaveStacked = true;
  EXPECT_EQ(AsLines(SettingsEntries(f.settings, f.state)),
            (Lines{"Top=12",
                   "Left=-4",
                   "NewDirNm=/n",
                   "NFCombo0=/h1",
                   "NFCombo1=/h2",
                   "OldDirNm=/o",
                   "OFCombo0=/o2",
                   "NFDsCombo0=/n",
                   "CompareType=1. Compare All Like-Name Files - Current New/Old Dirs",
                   "ViewResults=1",
                   "TurnOffHint=0",
                   "NoWarnDirC=0",
                   "OptsUsed=Veqf Lsbs",
                   "SvLList=a;",
                   "SPFontSz=",
                   "SDFontSz=",
                   "SpPFontSz=",
                   "SpDFontSz=",
                   "OutFn=",
                   "VLTop=",
                   "VLHt=",
                   "VLWide=102",
                   "VLSpTop=",
                   "VLSpHt=",
                   "VLSpWide=",
                   "HTop=",
                   "HWide=",
                   "HHt=",
                   "HLeft=",
                   "HSplit=",
                   "SvSbsSk=1",
                   "SvPrNoLmt=0",
                   "SvEdLmtVal=0",
                   "SvGrTop=",
                   "SvGrLeft=",
                   "SvTrWidth=",
                   "SvGrColWid=",
                   "SvGrWidth=",
                   "SvGrDNode=",
                   "SvGrHeight="}));
}

TEST(SettingsWriter, EveryViewerKeyWritesItsOwnField) {
  Fixture f;
  const struct {
    std::string* Field;
    const char* Line;
  } cases[] = {
      {&f.state.Viewers.SPFontSz, "SPFontSz=1"},
      {&f.state.Viewers.SDFontSz, "SDFontSz=2"},
      {&f.state.Viewers.SpPFontSz, "SpPFontSz=3"},
      {&f.state.Viewers.SpDFontSz, "SpDFontSz=4"},
      {&f.state.OutputFileName, "OutFn=5"},
      {&f.state.Viewers.VLTop, "VLTop=6"},
      {&f.state.Viewers.VLHt, "VLHt=7"},
      {&f.state.Viewers.VLWide, "VLWide=8"},
      {&f.state.Viewers.VLSpTop, "VLSpTop=9"},
      {&f.state.Viewers.VLSpHt, "VLSpHt=10"},
      {&f.state.Viewers.VLSpWide, "VLSpWide=11"},
      {&f.state.Viewers.HTop, "HTop=12"},
      {&f.state.Viewers.HWide, "HWide=13"},
      {&f.state.Viewers.HHt, "HHt=14"},
      {&f.state.Viewers.HLeft, "HLeft=15"},
      {&f.state.Viewers.HSplit, "HSplit=16"},
      {&f.state.SegmentPagesText, "SvEdLmtVal=17"},
      {&f.state.Viewers.SvGrTop, "SvGrTop=18"},
      {&f.state.Viewers.SvGrLeft, "SvGrLeft=19"},
      {&f.state.Viewers.SvTrWidth, "SvTrWidth=20"},
      {&f.state.Viewers.SvGrColWid, "SvGrColWid=21"},
      {&f.state.Viewers.SvGrWidth, "SvGrWidth=22"},
      {&f.state.Viewers.SvGrDNode, "SvGrDNode=23"},
      {&f.state.Viewers.SvGrHeight, "SvGrHeight=24"},
  };
  for (const auto& c : cases) {
    const std::string line = c.Line;
    *c.Field = line.substr(line.find('=') + 1);
  }
  const Lines written = AsLines(SettingsEntries(f.settings, f.state));
  for (const auto& c : cases) {
    EXPECT_NE(std::find(written.begin(), written.end(), c.Line), written.end()) << c.Line;
  }
}

TEST(SettingsFile, TwelveHistoryEntriesComeBackAsTen) {
  Fixture f;
  for (int i = 0; i < 12; ++i) {
    f.tree.Dir("d" + std::to_string(i));
    f.settings.NewHistory.push_back(f.tree.Path("d" + std::to_string(i)));
  }
  const std::string path = f.tree.Path("Kavdrift.ini");
  ASSERT_EQ(SaveSettingsFile(path, f.settings, f.state), "");
  Lines lines;
  ASSERT_TRUE(ReadIniSection(path, "Kavdrift", lines));
  EXPECT_EQ(lines[3], "NFCombo0=" + f.tree.Path("d0"));
  EXPECT_EQ(lines[14], "NFCombo11=" + f.tree.Path("d11"));

  Fixture again;
  ASSERT_TRUE(LoadSettingsFile(path, RealFileSystem(), again.settings, again.state));
  EXPECT_EQ(again.settings.NewHistory,
            Lines(f.settings.NewHistory.begin(), f.settings.NewHistory.begin() + 10));
}

TEST(SettingsFile, RoundTripKeepsEverything) {
  Fixture f;
  f.tree.Dir("New Dir\nTop=1");
  f.tree.Dir("Old");
  f.settings.Top = 200;
  f.settings.Left = 300;
  f.settings.NewDirNm = f.tree.Path("New Dir\nTop=1");
  f.settings.OldDirNm = f.tree.Path("Old");
  f.settings.OldHistory = {f.tree.Path("New Dir\nTop=1")};
  f.settings.DsNewHistory = {f.tree.Path("Old")};
  f.settings.CompareType = "2. Compare All Like-Name Files - All Sub Levels";
  f.settings.TurnOffHint = true;
  f.settings.NoWarnDirC = true;
  f.settings.Preferences[9] = true;  // PrCkListStyle
  f.settings.Preferences[2] = true;  // PrCkSpnm
  f.settings.OptionsText = "Spnm Lsbs";
  f.state.UnlikeSelectionText = "x : y;";
  f.state.Viewers.SPFontSz = "9";
  f.state.Viewers.SDFontSz = "12";
  f.state.Viewers.VLTop = "40";
  f.state.Viewers.HSplit = "1234";
  f.state.OutputFileName = "/tmp/report.rtf";
  f.state.PrintAllPages = true;
  f.state.SegmentPagesText = "5";
  const std::string path = f.tree.Path("cfg/sub/Kavdrift.ini");
  ASSERT_EQ(SaveSettingsFile(path, f.settings, f.state), "");

  Fixture back;
  ASSERT_TRUE(LoadSettingsFile(path, RealFileSystem(), back.settings, back.state));
  EXPECT_EQ(back.settings.Top, 200);
  EXPECT_EQ(back.settings.Left, 300);
  EXPECT_EQ(back.settings.NewDirNm, f.settings.NewDirNm);
  EXPECT_EQ(back.settings.OldDirNm, f.settings.OldDirNm);
  EXPECT_EQ(back.settings.OldHistory, f.settings.OldHistory);
  EXPECT_EQ(back.settings.DsNewHistory, f.settings.DsNewHistory);
  EXPECT_EQ(back.settings.CompareType, f.settings.CompareType);
  EXPECT_TRUE(back.settings.TurnOffHint);
  EXPECT_TRUE(back.settings.NoWarnDirC);
  EXPECT_FALSE(back.settings.ViewResults);
  EXPECT_EQ(back.settings.Preferences, f.settings.Preferences);
  EXPECT_EQ(back.settings.OptionsText, "Spnm Lsbs");
  EXPECT_EQ(back.settings.Top, 200);  // the name holding "Top=1" injected nothing
  EXPECT_EQ(back.state.UnlikeSelectionText, "x : y;");
  EXPECT_EQ(back.state.Viewers.SPFontSz, "9");
  EXPECT_EQ(back.state.Viewers.SDFontSz, "12");
  EXPECT_EQ(back.state.Viewers.VLTop, "40");
  EXPECT_EQ(back.state.Viewers.HSplit, "1234");
  EXPECT_EQ(back.state.OutputFileName, "/tmp/report.rtf");
  EXPECT_TRUE(back.state.PrintAllPages);
  EXPECT_EQ(back.state.SegmentPagesText, "5");
}

}  // namespace
}  // namespace kav
