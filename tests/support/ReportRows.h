#pragma once

// Hand-built tree rows for the report tests: the records the merge would leave, so a report
// builder can be checked line by line without scanning a disk.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/RunContext.h"
#include "platform/FileSystem.h"
#include "support/RecordingHost.h"

namespace kav::test {

struct ReportRows {
  std::map<std::string, std::pair<int32_t, TreeNode*>> made_;  // by path: node index, record
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

  // A row named by its full path. Under "/new/base/" or "/old/base/" the record takes the name
  // and level the scan would give it and stands in that side's node list below its directory
  // (the directory's latest row, or a record made without a row if no row names it).
  TreeNode* Add(TreeNodeList& list, uint8_t kind, const std::string& path, std::string code,
                int64_t size = 0, uint32_t color = ColorBlack) {
    TreeNode* node = Record(path, kind);
    node->Text = path;
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

  // A new record for `path` in its side's node list.
  TreeNode* Record(std::string path, uint8_t kind) {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = kind;
    if (path.size() > 1 && path.back() == '/') path.pop_back();
    const bool isNew = path.rfind("/new/base", 0) == 0;
    if (!isNew && path.rfind("/old/base", 0) != 0) {
      node->Name = path;
      return node;
    }
    if (path == "/new/base" || path == "/old/base") {
      node->Name = path + "/";
    } else {
      const std::string dir = path.substr(0, path.rfind('/'));
      if (made_.count(dir) == 0) Record(dir, NodeDir);
      node->Name = path.substr(dir.size() + 1);
      node->Level = made_[dir].second->Level + 1;
      node->ParentIndex = made_[dir].first;
    }
    TreeNodeList& nodes = isNew ? state.NewTreeNodes : state.OldTreeNodes;
    made_[path] = {static_cast<int32_t>(nodes.size()), node};
    nodes.push_back(node);
    return node;
  }

  static std::vector<std::string> Texts(const TreeNodeList& list) {
    std::vector<std::string> texts;
    for (const TreeNode* node : list) texts.push_back(node->Text);
    return texts;
  }
};

}  // namespace kav::test
