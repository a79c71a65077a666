#include "run/Dispatcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/CompareFixture.h"

namespace kav::test {
namespace {

using Lines = StringList;

bool Called(const RecordingHost& host, const std::string& call) {
  return std::find(host.calls.begin(), host.calls.end(), call) != host.calls.end();
}

TEST(ValidateRun, ReportsBadDirectoryTextsInOrder) {
  struct Case {
    const char* newText;  // "" blank, "ok" the real New directory, else a path below the tree
    const char* oldText;
    int type;
    const char* message;
  } cases[] = {
      {"", "ok", 1, "The New Input Directory must be specified. It is currently blank"},
      {"   ", "", 1, "The New Input Directory must be specified. It is currently blank"},
      {"ok", "  ", 1, "The Old Input Directory must be specified. It is currently blank"},
      {"missing", "ok", 1, "Invalid New Input File Directory Name specified."},
      {"new/file", "ok", 2, "Invalid New Input File Directory Name specified."},
      {"ok", "missing", 6, "Invalid Old Input File Directory Name specified."},
      {"", "", 5, "The New Input Directory must be specified. It is currently blank"},
  };
  for (const Case& c : cases) {
    CompareFixture f;
    f.tree.File("new/file", "1");
    auto text = [&](const std::string& t, const std::string& dir) {
      if (t == "ok") return f.tree.Path(dir);
      if (t.empty() || t.find_first_not_of(' ') == std::string::npos) return t;
      return f.tree.Path(t);
    };
    f.state.Panel.MnCbNewDirNm = text(c.newText, "new");
    f.state.Panel.MnCbOldDirNm = text(c.oldText, "old");
    f.SetType(c.type);
    f.state.ReportLines = {"kept"};
    RunCompare(f.ctx);
    EXPECT_EQ(f.host.messages, Lines{c.message}) << c.newText << "|" << c.oldText;
    EXPECT_FALSE(f.state.RunValidated);
    EXPECT_EQ(f.state.FinalVerdict, Verdict::None);
    EXPECT_EQ(f.state.ReportLines, Lines{"kept"});
    EXPECT_FALSE(Called(f.host, "enabled MnBtnRshow=1"));
    EXPECT_TRUE(f.host.viewersOpened.empty());
  }
}

TEST(ValidateRun, AcceptedTextsEndWithSlashAndAreRemembered) {
  CompareFixture f;
  f.state.Panel.PrCkItdt = true;
  f.state.Panel.PrCkListStyle = true;
  f.state.Options.OptLchv = true;  // left from an earlier run
  f.state.RunValidated = true;
  ValidateRun(f.ctx);
  EXPECT_TRUE(f.state.RunValidated);
  EXPECT_EQ(f.state.NewDirName, f.tree.Path("new") + "/");
  EXPECT_EQ(f.state.OldDirName, f.tree.Path("old") + "/");
  EXPECT_TRUE(Called(f.host, "remember MnCbNewDirNm=" + f.tree.Path("new")));
  EXPECT_TRUE(Called(f.host, "remember MnCbOldDirNm=" + f.tree.Path("old")));
  EXPECT_TRUE(f.state.Options.OptItdt);
  EXPECT_TRUE(f.state.Options.OptLsbs);
  EXPECT_FALSE(f.state.Options.OptLchv);
}

TEST(ValidateRun, EachPreferenceBoxSetsOnlyItsOwnOption) {
  const std::vector<std::pair<bool PanelInputs::*, bool RunOptions::*>> boxes = {
      {&PanelInputs::PrCkVeqf, &RunOptions::OptVeqf},
      {&PanelInputs::PrCkItdt, &RunOptions::OptItdt},
      {&PanelInputs::PrCkChgO, &RunOptions::OptChgo},
      {&PanelInputs::PrCkSpnm, &RunOptions::OptSpnm},
      {&PanelInputs::PrCkListDEO, &RunOptions::OptLdeo},
      {&PanelInputs::PrCkOvsO, &RunOptions::OptOvso},
      {&PanelInputs::PrCkLmcf, &RunOptions::OptLmcf},
      {&PanelInputs::PrCkGmsg, &RunOptions::OptGmsg},
      {&PanelInputs::PrCkLchv, &RunOptions::OptLchv},
      {&PanelInputs::PrCkListStyle, &RunOptions::OptLsbs},
  };
  for (const auto& [box, option] : boxes) {
    CompareFixture f;
    f.state.Panel.*box = true;
    ValidateRun(f.ctx);
    for (const auto& [otherBox, otherOption] : boxes) {
      EXPECT_EQ(f.state.Options.*otherOption, otherOption == option) << (otherBox == box);
    }
  }
}

TEST(RunCompare, AnUnknownTypeTextGivesTheInvalidTypeMessage) {
  CompareFixture f;
  f.state.Panel.MnCbCompareType = "1. Compare All Like-Name Files - Current New/Old Dir";
  f.tree.File("new/a", "1");
  f.tree.File("old/a", "1");
  RunCompare(f.ctx);
  EXPECT_EQ(f.host.messages, Lines{"Invalid \"Compare/List Type\" Option String specified.\r"
                                   "Reselect Option and select \"Start Button\""});
  EXPECT_FALSE(f.state.RunValidated);
  EXPECT_TRUE(f.state.ReportLines.empty());
  EXPECT_FALSE(Called(f.host, "enabled MnBtnRshow=1"));
  EXPECT_TRUE(f.host.viewersOpened.empty());
}

TEST(RunCompare, TypeOneForcesItsOptionsOffAndTidiesUp) {
  CompareFixture f;
  PanelInputs& p = f.state.Panel;
  p.PrCkVeqf = p.PrCkItdt = p.PrCkListDEO = p.PrCkOvsO = p.PrCkLmcf = p.PrCkGmsg = p.PrCkLchv =
      true;
  f.tree.File("new/a", "1");
  f.tree.File("old/a", "1");
  RunCompare(f.ctx);
  const RunState& s = f.state;
  EXPECT_TRUE(s.Options.OptVeqf && s.Options.OptItdt);
  EXPECT_FALSE(s.Options.OptLdeo || s.Options.OptOvso || s.Options.OptLmcf || s.Options.OptGmsg ||
               s.Options.OptLchv);
  EXPECT_FALSE(s.RunBusy || s.SingleLevelRun);
  EXPECT_TRUE(s.Names.PairedNewNames.empty() && s.Names.NewDirNames.empty() &&
              s.Names.PairedNewDiskNames.empty());
  EXPECT_EQ(f.host.LastStatus(), "INFORM01: The processed files compare as equivalent files. ");
  EXPECT_EQ(s.FinalVerdict, Verdict::Equal);
  for (const char* call :
       {"visible MnButStop=1", "enabled MnBtnStart=0", "visible SingleInsLabel=1",
        "visible SingleDelLabel=0", "text MnTitleProgBar=Dir.Progress", "focus MnCbOldDirNm",
        "enabled MnBtnRshow=1", "focus MnButExit"}) {
    EXPECT_TRUE(Called(f.host, call)) << call;
  }
  const Lines tail(f.host.calls.end() - 9, f.host.calls.end());
  EXPECT_EQ(tail, (Lines{"visible MnButStop=0", "enabled MnButExit=1", "enabled MnBtnStart=1",
                         "enabled MnCkViewResults=1", "visible MnImage1=0", "visible MnImage2=0",
                         "visible MnTitleProgBar=0", "visible MnProgressBar=0",
                         "visible MnTitlePosPCent=0"}));
}

TEST(PrecheckLikeNames, RefusesDirectoriesWithoutFilesOrPairs) {
  struct Case {
    bool newFile, oldFile, common;
    std::string message;
    const char* focus;
  } cases[] = {
      {false, true, false, "New Input Directory (@new) has no individual files.\r",
       "focus MnCbNewDirNm"},
      {true, false, false, "Old Input Directory (@old) has no individual files. \r",
       "focus MnCbOldDirNm"},
      {true, true, false, "No paired filenames are found.\rSelect another directory pair.", ""},
  };
  const std::string tryTwo =
      "Compare Type 1 does not extend beyond a single subdirectory level. Try Compare Type 2.";
  for (Case& c : cases) {
    CompareFixture f;
    f.tree.Dir("new/sub");
    if (c.newFile) f.tree.File("new/n", "1");
    if (c.oldFile) f.tree.File("old/o", "1");
    std::string expected = c.message;
    if (expected.rfind("No paired", 0) != 0) {
      const bool isNew = expected[0] == 'N';
      expected.replace(expected.find('@'), 4, f.tree.Path(isNew ? "new" : "old"));
      expected += tryTwo;
    }
    RunCompare(f.ctx);
    EXPECT_EQ(f.host.messages, Lines{expected});
    Lines focus;
    for (const auto& call : f.host.calls) {
      if (call.rfind("focus ", 0) == 0) focus.push_back(call);
    }
    Lines expectedFocus = {"focus MnCbNewDirNm", "focus MnCbOldDirNm"};
    if (*c.focus) expectedFocus.insert(expectedFocus.begin() + 1, c.focus);
    EXPECT_EQ(focus, expectedFocus);
    EXPECT_TRUE(f.state.ReportLines.empty());
    EXPECT_TRUE(f.host.viewersOpened.empty());
  }
}

TEST(PrecheckSelect, TypeThreeNeedsACommonNameAndReopensOnRequest) {
  CompareFixture f;
  f.SetType(3);
  f.tree.File("new/a", "1");
  f.tree.File("old/b", "1");
  RunCompare(f.ctx);
  EXPECT_EQ(f.host.messages,
            Lines{"New and Old Input File Directories have no common named files. \r"
                  " Respecify Directories or use a different filter mask."});
  EXPECT_TRUE(f.host.selectionsOpened.empty());

  CompareFixture g;
  g.SetType(3);
  g.tree.File("new/a", "1");
  g.tree.File("old/A", "1");
  int shown = 0;
  g.host.onOpenSelection = [&](SelectionWindow) {
    EXPECT_TRUE(g.state.SelectLikeRun);
    g.state.ReshowSelection = ++shown < 3;
  };
  RunCompare(g.ctx);
  EXPECT_TRUE(g.host.messages.empty());
  EXPECT_EQ(g.host.selectionsOpened, std::vector<SelectionWindow>(3, SelectionWindow::LikeNames));
  EXPECT_FALSE(g.state.SelectLikeRun);
}

TEST(PrecheckSelect, TypeFourNeedsFilesOnBothSides) {
  const std::string newMessage =
      "New Input File Directory has no files to compare. \r"
      " Respecify the New Directory Name or use a different filter mask.";
  const std::string oldMessage =
      "Old Input File Directory has no files to compare. \r"
      " Respecify the Old Directory Name or use a different filter mask.";
  struct Case {
    bool newFile, oldFile;
    Lines messages;
  } cases[] = {
      {false, true, {newMessage}},
      {true, false, {oldMessage}},
      {false, false, {newMessage, oldMessage}},
      {true, true, {}},
  };
  for (const Case& c : cases) {
    CompareFixture f;
    f.SetType(4);
    if (c.newFile) f.tree.File("new/x", "1");
    if (c.oldFile) f.tree.File("old/y", "1");
    f.host.onOpenSelection = [&](SelectionWindow) { EXPECT_TRUE(f.state.SelectUnlikeRun); };
    RunCompare(f.ctx);
    EXPECT_EQ(f.host.messages, c.messages);
    EXPECT_EQ(f.host.selectionsOpened.size(), c.messages.empty() ? 1u : 0u);
  }
}

TEST(RunCompare, AnExceptionEndsTheRunWithAbnormalTermination) {
  CompareFixture f;
  f.tree.File("new/a", "1");
  f.tree.File("old/a", "1");
  f.host.onOpenViewer = [](Viewer) { throw std::runtime_error("viewer failed"); };
  RunCompare(f.ctx);
  EXPECT_EQ(f.host.LastStatus(), "Abnormal termination. Check with vendor for problem analysis.");
  EXPECT_EQ(f.state.FinalVerdict, Verdict::Abnormal);
  EXPECT_FALSE(f.state.RunBusy);
  EXPECT_FALSE(f.state.SingleLevelRun);
  EXPECT_TRUE(f.state.Names.PairedNewNames.empty());
  EXPECT_EQ(f.host.calls.back(), "visible MnTitlePosPCent=0");
}

TEST(ShowResults, OpensTheViewerOfTheLastRun) {
  struct Case {
    bool graph, treeCompare, bothTrees;
    Viewer viewer;
  } cases[] = {
      {true, true, false, Viewer::Graph},
      {false, false, false, Viewer::SingleList},
      {false, true, false, Viewer::VSplit},
      {false, false, true, Viewer::VSplit},
  };
  for (const Case& c : cases) {
    CompareFixture f;
    f.state.ShowGraphViewer = c.graph;
    f.state.TreeCompareRun = c.treeCompare;
    f.state.ListBothTreesRun = c.bothTrees;
    ShowResults(f.ctx);
    EXPECT_EQ(f.host.viewersOpened, std::vector<Viewer>{c.viewer});
    EXPECT_EQ(f.host.calls.back(), "focus MnButExit");
  }
}

TEST(RunCompare, TreeTypesSetTheirRunFlags) {
  struct Case {
    int type;
    bool lsbs;
    const char* oldText;
  } cases[] = {{5, false, ""}, {6, true, "old"}, {2, false, "old"}, {2, true, "old"}};
  for (const Case& c : cases) {
    CompareFixture f;
    f.SetType(c.type);
    f.state.Panel.PrCkListStyle = c.lsbs;
    f.state.Panel.PrCkVeqf = f.state.Panel.PrCkChgO = true;
    f.state.Panel.MnCbOldDirNm = *c.oldText ? f.tree.Path(c.oldText) : "";
    f.tree.File("new/a", "1");
    f.tree.File("old/a", "1");
    RunCompare(f.ctx);
    EXPECT_TRUE(f.host.messages.empty()) << c.type;
    EXPECT_TRUE(f.state.RunValidated) << c.type;
    EXPECT_EQ(f.state.ListNewTreeRun, c.type == 5);
    EXPECT_EQ(f.state.ListBothTreesRun, c.type == 6);
    EXPECT_EQ(f.state.TreeCompareRun, c.type == 2);
    EXPECT_EQ(f.state.ShowGraphViewer, c.type == 2 && !c.lsbs);
    EXPECT_EQ(f.state.Options.OptVeqf, c.type == 2);
    EXPECT_FALSE(f.state.Options.OptChgo);
    EXPECT_EQ(f.state.Options.OptLsbs, c.lsbs && c.type == 2);
    EXPECT_EQ(f.state.OldDirName, c.type == 5 ? "" : f.tree.Path("old") + "/");
    EXPECT_EQ(f.state.FinalVerdict, c.type == 2 ? Verdict::Equal : Verdict::Listed);
  }
}

TEST(MnButStopClick, OnlySetsTheHaltFlag) {
  RunState state;
  MnButStopClick(state);
  EXPECT_TRUE(state.HaltRequested);
}

}  // namespace
}  // namespace kav::test
