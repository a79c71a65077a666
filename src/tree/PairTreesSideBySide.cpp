#include <algorithm>
#include <string>

#include "text/CharacterCut.h"
#include "text/Format.h"
#include "tree/RecordPaths.h"
#include "tree/TreeFileCompare.h"
#include "tree/TreeMerge.h"
#include "tree/TreePairing.h"
#include "tree/TreeProgress.h"
#include "tree/TreeReadAhead.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

// The merge visitor of the side-by-side mode: two line lists kept row-aligned.
class SideBySideMerge {
 public:
  SideBySideMerge(RunContext& ctx, TreeReadAhead& ahead)
      : ctx_(ctx),
        s_(ctx.State),
        news_(ctx.State.NewTreeNodes),
        olds_(ctx.State.OldTreeNodes),
        ahead_(ahead) {}

  void Start() {
    if (!s_.Options.OptOvso) {
      AddHeader(s_.NewTreeLines,
                CutCharacters(
                    "Kavendrift New Directory (Inserts) Left-Split Report  " + s_.StartStamp, 68));
      AddHeader(s_.OldTreeLines, "Kavendrift Old Directory (Deletes) Right-Split Report  ");
    }
    TreeNode& newRoot = *news_[0];
    TreeNode& oldRoot = *olds_[0];
    for (TreeNode* root : {&newRoot, &oldRoot}) {
      root->Kind = NodeDir;
      root->ChangeCode = "   ";
      root->Color = ColorRed;
    }
    s_.NewTreeLines.push_back(&newRoot);
    if (!s_.Options.OptOvso) s_.OldTreeLines.push_back(&oldRoot);
    lastNewDir_ = &newRoot;
    lastOldDir_ = &oldRoot;
  }

  void BeginCycle(std::size_t) {}

  void Insert(std::size_t i) {
    Unpaired(news_, i, "ID-", "I -", lastNewDir_, s_.NewTreeLines, s_.Totals.InsertedDirs,
             s_.Totals.InsertedFiles);
  }

  void Delete(std::size_t j) {
    Unpaired(olds_, j, "DD-", "D -", lastOldDir_, s_.OldTreeLines, s_.Totals.DeletedDirs,
             s_.Totals.DeletedFiles);
  }

  void Pair(std::size_t i, std::size_t j) {
    TreeNode& n = *news_[i];
    TreeNode& o = *olds_[j];
    Equalize(false);
    n.ChangeCode = "   ";
    o.ChangeCode = "   ";
    if (n.Kind == NodeDir) {
      n.Color = s_.Options.OptLdeo ? InheritColor(n, *news_[i - 1]) : ColorRed;
      o.Color = s_.Options.OptLdeo ? InheritColor(o, *olds_[j - 1]) : ColorRed;
      ++s_.Totals.PairedDirs;
      if (!s_.Options.OptLchv) AppendPair(n, o);
      return;
    }
    if (PairFilesAreEqual(i, j) && s_.Options.OptLchv) return;
    AppendPair(n, o);
  }

  // Adds filler rows to the shorter line list until both are equally long.
  void Equalize(bool pollHalt) {
    while (s_.NewTreeLines.size() != s_.OldTreeLines.size()) {
      if (pollHalt && s_.HaltRequested) return;
      TreeNodeList& shorter =
          s_.NewTreeLines.size() < s_.OldTreeLines.size() ? s_.NewTreeLines : s_.OldTreeLines;
      TreeNode* filler = NewTreeRecord(s_, NodeFiller);
      filler->Text = "   ";
      filler->ChangeCode = "   ";
      shorter.push_back(filler);
    }
  }

 private:
  void AddHeader(TreeNodeList& lines, std::string text) {
    TreeNode* header = NewTreeRecord(s_, NodeHdr);
    header->Text = std::move(text);
    lines.push_back(header);
  }

  // An inserted or deleted entry: coded, coloured, and listed unless a filter drops it.
  void Unpaired(const TreeNodeList& nodes, std::size_t k, const char* dirCode, const char* fileCode,
                TreeNode*& lastDir, TreeNodeList& lines, int32_t& dirCount, int32_t& fileCount) {
    TreeNode& r = *nodes[k];
    bool dropped = false;
    if (r.Kind == NodeDir) {
      r.ChangeCode = dirCode;
      lastDir = &r;
      dropped = s_.Options.OptLmcf;
      if (!dropped) r.Color = s_.Options.OptLdeo ? InheritColor(r, *nodes[k - 1]) : ColorRed;
      ++dirCount;
    } else {
      r.ChangeCode = fileCode;
      r.Color = ColorGreen;
      const bool filtered = s_.Options.OptLmcf || s_.Options.OptLchv;
      dropped = filtered && (lastDir->ChangeCode == dirCode || lastDir->ChangeCode == "   ");
      ++fileCount;
    }
    if (dropped) {
      r.Kind = NodeDropped;
    } else {
      lines.push_back(&r);
    }
  }

  // Decides a file pair and codes both rows; true when the files are equal.
  bool PairFilesAreEqual(std::size_t i, std::size_t j) {
    TreeNode& n = *news_[i];
    TreeNode& o = *olds_[j];
    const FilePairShortcut shortcut = DecideFilePairShortcut(s_, n, o);
    if (shortcut == FilePairShortcut::NeedsReading && std::max(i, j) % 75 == 0) {
      ctx_.Ui.SetText(Control::MnCurrStatus, Format("Comparing Files (New=%d Old=%d -- %s)",
                                                    {static_cast<int64_t>(i),
                                                     static_cast<int64_t>(j), shownNames_.Of(n)}));
      ShowTreeProgress(ctx_.Ui, static_cast<int64_t>(i),
                       static_cast<int64_t>(s_.NewTreeLines.size()));
    }
    const bool equal = DecideFilePair(ctx_, n, o, &ahead_) == CompareEqual;
    const uint32_t color = equal ? ColorBlack : ColorBlue;
    n.Color = color;
    o.Color = color;
    if (equal) {
      ++s_.Totals.EqualFiles;
    } else {
      n.ChangeCode = "* -";
      o.ChangeCode = "* -";
      ++s_.Totals.ChangedFiles;
    }
    return equal;
  }

  void AppendPair(TreeNode& n, TreeNode& o) {
    s_.NewTreeLines.push_back(&n);
    s_.OldTreeLines.push_back(&o);
  }

  RunContext& ctx_;
  RunState& s_;
  const TreeNodeList& news_;
  const TreeNodeList& olds_;
  TreeReadAhead& ahead_;
  RecordPaths shownNames_{news_, RecordPaths::Spelling::Shown, RecordPaths::From::Relative};
  TreeNode* lastNewDir_ = nullptr;
  TreeNode* lastOldDir_ = nullptr;
};

// Under Ovso only header rows would survive, and none exist then: both lists end empty.
void KeepHeaderRowsOnly(RunState& state) {
  TreeNodeList news;
  TreeNodeList olds;
  for (std::size_t k = 0; k < state.NewTreeLines.size(); ++k) {
    if (state.NewTreeLines[k]->Kind != NodeHdr) continue;
    news.push_back(state.NewTreeLines[k]);
    if (k < state.OldTreeLines.size()) olds.push_back(state.OldTreeLines[k]);
  }
  state.NewTreeLines = std::move(news);
  state.OldTreeLines = std::move(olds);
}

}  // namespace

uint32_t InheritColor(const TreeNode& record, const TreeNode& previous) {
  if (record.ParentIndex == previous.ParentIndex) return previous.Color;
  return previous.Color == ColorRed ? ColorBlue : ColorRed;
}

void PairTreesSideBySide(RunContext& ctx) {
  RunState& state = ctx.State;
  if (state.NewTreeNodes.empty() || state.OldTreeNodes.empty()) return;
  TreeReadAhead ahead(ctx);
  SideBySideMerge merge(ctx, ahead);
  merge.Start();
  MergeTreeLists(state.NewTreeNodes, state.OldTreeNodes, state.HaltRequested, merge);
  if (state.HaltRequested) return;
  merge.Equalize(true);
  if (state.HaltRequested) return;
  if (state.Options.OptOvso) KeepHeaderRowsOnly(state);
}

}  // namespace kav
