// Names and folders of the tree graph viewer's save.
#include <gtest/gtest.h>

#include "ui/viewers/logic/ReportSaveName.h"

namespace kav {
namespace {

TEST(ReportSaveName, RtfIsChosenByTheExtensionInAnyCase) {
  struct Case {
    const char* name;
    bool rtf;
  } cases[] = {{"/tmp/r.rtf", true},        {"/tmp/R.RTF", true},      {"/tmp/r.Rtf", true},
               {"/tmp/r.txt", false},       {"/tmp/r", false},         {"/tmp/rtf", false},
               {"/tmp/a.rtf/r.txt", false}, {"/tmp/r.rtf.txt", false}, {"/tmp/.rtf", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsRtfFileName(c.name), c.rtf);
  }
}

TEST(ReportSaveName, DefaultExtensionOnlyForANameWithoutOne) {
  EXPECT_EQ(WithDefaultExtension("/tmp/report", ".Txt"), "/tmp/report.Txt");
  EXPECT_EQ(WithDefaultExtension("/tmp/report.rtf", ".Txt"), "/tmp/report.rtf");
  EXPECT_EQ(WithDefaultExtension("/tmp/a.b/report", ".Txt"), "/tmp/a.b/report.Txt");
  EXPECT_EQ(WithDefaultExtension("/tmp/", ".Txt"), "/tmp/");
}

TEST(ReportSaveName, DialogStartsAtTheStoredFileWhenItExists) {
  SaveDialogStart start = GraphSaveDialogStart("/home/u/out/report.rtf", true, "/data/new");
  EXPECT_EQ(start.Folder, "/home/u/out/");
  EXPECT_EQ(start.FileName, "report.rtf");
  // Otherwise beside the New directory, never inside the tree being reported.
  start = GraphSaveDialogStart("/home/u/out/report.rtf", false, "/data/new");
  EXPECT_EQ(start.Folder, "/data/");
  EXPECT_EQ(start.FileName, "");
  start = GraphSaveDialogStart("", true, "/data/new/");
  EXPECT_EQ(start.Folder, "/data/");
  EXPECT_EQ(GraphSaveDialogStart("", false, "/").Folder, "/");
}

TEST(ReportSaveName, KeptNameIsCutTo149CharactersWithoutSplittingOne) {
  const std::string longName = "/" + std::string(147, 'a') + "\xC3\xA9" + "tail";
  const std::string kept = KeptOutputFileName(longName);
  EXPECT_EQ(kept, "/" + std::string(147, 'a') + "\xC3\xA9");
  EXPECT_EQ(KeptOutputFileName("/short.txt"), "/short.txt");
}

}  // namespace
}  // namespace kav
