#include <string>

#include "text/Format.h"
#include "text/PrintableText.h"
#include "tree/RecordPaths.h"
#include "tree/TreeFileCompare.h"
#include "tree/TreeMerge.h"
#include "tree/TreePairing.h"
#include "tree/TreeProgress.h"
#include "tree/TreeReadAhead.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

constexpr int32_t StatePaired = 1;
constexpr int32_t StateChanged = 2;
constexpr int32_t StateDeleted = 3;
constexpr int32_t StateInserted = 4;

// The merge visitor of the combined mode: one merged line list plus the directory tree.
class CombinedMerge {
 public:
  CombinedMerge(RunContext& ctx, TreeReadAhead& ahead)
      : ctx_(ctx),
        s_(ctx.State),
        news_(ctx.State.NewTreeNodes),
        olds_(ctx.State.OldTreeNodes),
        ahead_(ahead) {}

  void Start() {
    TreeNode& newRoot = *news_[0];
    TreeNode& oldRoot = *olds_[0];
    for (TreeNode* root : {&newRoot, &oldRoot}) {
      root->Kind = NodeDir;
      root->ChangeCode = "   ";
      root->Level = 0;
    }
    s_.GrNDirNm = newRoot.Name;
    s_.GrODirNm = oldRoot.Name;
    newRoot.OldSize = oldRoot.Size;
    newRoot.OldDate = oldRoot.Date;
    newRoot.OldFileCount = oldRoot.FileCount;
    const int32_t top =
        AddViewNode(-1, Title(newRoot) + " / " + Title(oldRoot), Append(&newRoot), StatePaired);
    newRoot.ViewNode = top;
    oldRoot.ViewNode = top;
    pending_ = top;
    pendingChanged_ = false;
    if (newRoot.Unlisted != 0 || oldRoot.Unlisted != 0) MarkUnlisted(newRoot);
  }

  void BeginCycle(std::size_t i) {
    const TreeNode& n = *news_[i];
    ctx_.Ui.SetText(Control::MnCurrStatus, Format("Processing node: %s", {shownNames_.Of(n)}));
    ShowTreeProgress(ctx_.Ui, static_cast<int64_t>(i), static_cast<int64_t>(news_.size()) - 1);
    if (n.Kind == NodeDir && pending_ >= 0) ClosePending();
  }

  void Insert(std::size_t i) {
    TreeNode& n = *news_[i];
    if (n.Kind == NodeDir) {
      pending_ = -1;
      if (!s_.Options.OptLmcf) {
        n.ChangeCode = "ID-";
        n.ViewNode = AddViewNode(ParentOf(news_, n).ViewNode, Title(n), Append(&n), StateInserted);
      }
      ++s_.Totals.InsertedDirs;
      return;
    }
    n.ChangeCode = "I -";
    ParentOf(news_, n).HasChanges = 1;
    pendingChanged_ = true;
    Append(&n);
    ++s_.Totals.InsertedFiles;
  }

  void Delete(std::size_t j) {
    TreeNode& o = *olds_[j];
    if (o.Kind == NodeDir) {
      pending_ = -1;
      if (!s_.Options.OptLmcf) {
        o.ChangeCode = "DD-";
        o.ViewNode = AddViewNode(ParentOf(olds_, o).ViewNode, Title(o), Append(&o), StateDeleted);
      }
      ++s_.Totals.DeletedDirs;
      return;
    }
    o.ChangeCode = "D -";
    ListedDirectoryOf(o).HasChanges = 1;
    pendingChanged_ = true;
    Append(&o);
    ++s_.Totals.DeletedFiles;
  }

  void Pair(std::size_t i, std::size_t j) {
    TreeNode& n = *news_[i];
    TreeNode& o = *olds_[j];
    if (n.Kind == NodeDir) {
      n.ChangeCode = "   ";
      n.OldFileCount = o.FileCount;
      n.OldSize = o.Size;
      const int32_t view =
          AddViewNode(ParentOf(news_, n).ViewNode, Title(n), Append(&n), StatePaired);
      n.ViewNode = view;
      o.ViewNode = view;
      pending_ = view;
      pendingChanged_ = false;
      if (n.Unlisted != 0) MarkUnlisted(n);
      ++s_.Totals.PairedDirs;
      return;
    }
    n.OldDate = o.Date;
    n.OldSize = o.Size;
    if (DecideFilePair(ctx_, n, o, &ahead_) == CompareEqual) {
      n.ChangeCode = "   ";
      ++s_.Totals.EqualFiles;
    } else {
      n.ChangeCode = "* -";
      ParentOf(news_, n).HasChanges = 1;
      pendingChanged_ = true;
      ++s_.Totals.ChangedFiles;
    }
    Append(&n);
    // A paired Old file is never listed: its facts now stand in its New partner, and the merge
    // has passed it. Its names go at once, so the report built next does not add to the peak
    // of two whole scanned trees.
    ForgetFileNames(o);
  }

  void Finish() {
    if (pending_ >= 0) ClosePending();
    // A paired directory's state follows from its record: a deleted file met after the walk
    // had moved on to the directory's sub-directories must still mark it as changed.
    for (DirViewNode& view : s_.CombinedTree) {
      if (view.StateIndex != StatePaired && view.StateIndex != StateChanged) continue;
      const TreeNode& row = *s_.NewTreeLines[static_cast<std::size_t>(view.RowIndex)];
      view.StateIndex = row.HasChanges != 0 ? StateChanged : StatePaired;
    }
  }

 private:
  // A directory pair with a side that could not be listed is never shown as unchanged.
  void MarkUnlisted(TreeNode& dir) {
    dir.HasChanges = 1;
    pendingChanged_ = true;
  }

  static TreeNode& ParentOf(const TreeNodeList& list, const TreeNode& node) {
    return *list[static_cast<std::size_t>(node.ParentIndex)];
  }

  static std::string Title(const TreeNode& dir) { return PrintableText(LastComponent(dir.Name)); }

  // The listed record that stands for a deleted file's directory: the New partner of a
  // paired directory (the row of their shared tree node), else the Old directory itself.
  TreeNode& ListedDirectoryOf(const TreeNode& o) {
    TreeNode& dir = ParentOf(olds_, o);
    if (dir.ViewNode < 0) return dir;
    const DirViewNode& view = s_.CombinedTree[static_cast<std::size_t>(dir.ViewNode)];
    return *s_.NewTreeLines[static_cast<std::size_t>(view.RowIndex)];
  }

  int32_t Append(TreeNode* node) {
    s_.NewTreeLines.push_back(node);
    return static_cast<int32_t>(s_.NewTreeLines.size() - 1);
  }

  int32_t AddViewNode(int32_t parent, std::string title, int32_t row, int32_t stateIndex) {
    const auto index = static_cast<int32_t>(s_.CombinedTree.size());
    DirViewNode view;
    view.Title = std::move(title);
    view.RowIndex = row;
    view.StateIndex = stateIndex;
    view.Parent = parent;
    s_.CombinedTree.push_back(std::move(view));
    if (parent >= 0) s_.CombinedTree[static_cast<std::size_t>(parent)].Children.push_back(index);
    return index;
  }

  void ClosePending() {
    s_.CombinedTree[static_cast<std::size_t>(pending_)].StateIndex =
        pendingChanged_ ? StateChanged : StatePaired;
    pending_ = -1;
    pendingChanged_ = false;
  }

  RunContext& ctx_;
  RunState& s_;
  const TreeNodeList& news_;
  const TreeNodeList& olds_;
  TreeReadAhead& ahead_;
  RecordPaths shownNames_{news_, RecordPaths::Spelling::Shown, RecordPaths::From::Relative};
  int32_t pending_ = -1;
  bool pendingChanged_ = false;
};

}  // namespace

void PairTrees(RunContext& ctx) {
  RunState& state = ctx.State;
  state.CombinedTree.clear();
  if (state.NewTreeNodes.empty() || state.OldTreeNodes.empty()) return;
  TreeReadAhead ahead(ctx);
  CombinedMerge merge(ctx, ahead);
  merge.Start();
  try {
    MergeTreeLists(state.NewTreeNodes, state.OldTreeNodes, state.HaltRequested, merge);
  } catch (...) {
    // An error inside the merge ends it; what was merged so far is reported.
  }
  merge.Finish();
}

}  // namespace kav
