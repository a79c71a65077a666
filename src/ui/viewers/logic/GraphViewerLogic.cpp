#include "ui/viewers/logic/GraphViewerLogic.h"

#include "text/DecimalText.h"
#include "text/Format.h"
#include "ui/viewers/logic/StoredGeometry.h"
#include "ui/viewers/logic/Utf8Units.h"

namespace kav {
namespace {

// Sets `value` from a non-empty text; false when the text is not a number.
bool Take(const std::string& text, std::optional<int>& value) {
  if (text.empty()) return true;
  value = ParseDecimal(text);
  return value.has_value();
}

std::string Kept(int value) {
  return StoredText(value, 4);
}

}  // namespace

GraphRestore PlanGraphRestore(const RunState& state) {
  GraphRestore plan;
  Take(state.Viewers.SvGrTop, plan.Top) && Take(state.Viewers.SvGrLeft, plan.Left) &&
      Take(state.Viewers.SvGrHeight, plan.Height) && Take(state.Viewers.SvGrWidth, plan.Width) &&
      Take(state.Viewers.SvTrWidth, plan.TreeWidth) &&
      Take(state.Viewers.SvGrDNode, plan.DirNodesHeight);
  return plan;
}

void StoreGraphGeometry(RunState& state, const GraphGeometry& g) {
  state.Viewers.SvGrColWid = Kept(g.ColumnWidth);
  state.Viewers.SvGrTop = Kept(g.Top);
  state.Viewers.SvGrLeft = Kept(g.Left);
  state.Viewers.SvGrHeight = Kept(g.Height);
  state.Viewers.SvGrWidth = Kept(g.Width);
  state.Viewers.SvTrWidth = Kept(g.TreeWidth);
  state.Viewers.SvGrDNode = Kept(g.DirNodesHeight);
}

long long ReportCaretPosition(const std::vector<ColoredLine>& lines, int64_t mark) {
  if (mark <= 0) return 0;
  long long position = 0;
  int64_t bytes = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& text = lines[i].Text;
    const auto length = static_cast<int64_t>(text.size());
    if (mark <= bytes + length) {
      const auto inLine = static_cast<std::size_t>(mark - bytes);
      return position +
             static_cast<long long>(Utf16Length(std::string_view(text).substr(0, inLine)));
    }
    position += static_cast<long long>(Utf16Length(text));
    bytes += length + 1;
    if (i + 1 < lines.size()) {
      if (mark < bytes) return position;  // on the line end itself
      position += 1;
    }
  }
  return position;
}

}  // namespace kav
