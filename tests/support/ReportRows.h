#pragma once

// Hand-built tree rows for the report tests: the records the merge would leave, so a report
// builder can be checked line by line without scanning a disk.

#include <cstdint>
#include <string>
#include <vector>

#include "core/RunContext.h"
#include "platform/FileSystem.h"
#include "support/RecordingHost.h"

namespace kav::test {

struct ReportRows {
  RunState state;
  RecordingHost host;
  LocaleFacts locale;
  RunContext ctx{state, host, RealFileSystem(), locale};

  ReportRows() {
    state.NewDirName = "/new/base/";
    state.OldDirName = "/old/base/";
    state.Panel.MnCbNewDirNm = "/new/base";
    state.Panel.MnCbOldDirNm = "/old/base";
    state.StartStamp = "12/08/24 09:30";
  }

  TreeNode* Add(TreeNodeList& list, uint8_t kind, std::string path, std::string code,
                int64_t size = 0, uint32_t color = ColorBlack) {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = kind;
    node->Path = std::move(path);
    node->Text = node->Path;
    node->ChangeCode = std::move(code);
    node->Size = size;
    node->Color = color;
    list.push_back(node);
    return node;
  }

  TreeNode* Header(TreeNodeList& list, std::string text) {
    TreeNode* node = Add(list, NodeHdr, "", "");
    node->Text = std::move(text);
    return node;
  }

  TreeNode* Filler(TreeNodeList& list) {
    TreeNode* node = Add(list, NodeFiller, "", "   ");
    node->Text = "   ";
    return node;
  }

  // The side-by-side merge of the example: x.txt changed from 100 to 120 bytes, sub only in
  // the New tree holding the 5-byte a.bin; both roots at depth 2.
  void SideBySideExample() {
    Header(state.NewTreeLines,
           "Kavendrift New Directory (Inserts) Left-Split Report  " + state.StartStamp);
    Header(state.OldTreeLines, "Kavendrift Old Directory (Deletes) Right-Split Report  ");
    Add(state.NewTreeLines, NodeDir, "/new/base/", "   ", 125, ColorRed);
    Add(state.OldTreeLines, NodeDir, "/old/base/", "   ", 100, ColorRed);
    Add(state.NewTreeLines, NodeFile, "/new/base/x.txt", "* -", 120, ColorBlue);
    Add(state.OldTreeLines, NodeFile, "/old/base/x.txt", "* -", 100, ColorBlue);
    Add(state.NewTreeLines, NodeDir, "/new/base/sub", "ID-", 5, ColorRed);
    Filler(state.OldTreeLines);
    Add(state.NewTreeLines, NodeFile, "/new/base/sub/a.bin", "I -", 5, ColorGreen);
    Filler(state.OldTreeLines);
    state.TreeCompareRun = true;
    state.Options.OptLsbs = true;
    state.Totals.NewFileTotal = 2;
    state.Totals.TotalFiles = 1;
    state.Totals.ChangedFiles = 1;
    state.Totals.InsertedFiles = 1;
    state.Totals.InsertedDirs = 1;
  }

  static std::vector<std::string> Texts(const TreeNodeList& list) {
    std::vector<std::string> texts;
    for (const TreeNode* node : list) texts.push_back(node->Text);
    return texts;
  }
};

}  // namespace kav::test
