#pragma once

#include <string>
#include <string_view>

#include "core/TreeNode.h"

namespace kav {

// 46 dots: the indentation ruler of the tree reports.
inline constexpr std::string_view DotRuler = "..............................................";
// 32 blanks: the indentation ruler of the filter messages.
inline constexpr std::string_view BlankRuler = "                                ";

// 1-based index of the first character of the path's last name component. One trailing '/'
// is ignored; then the scan goes back to a '/'. With a trailing '/' the index is that of the
// component's first letter ("/top/base/" -> the b); without one it is that of the '/' before
// the component ("/top/base/sub" -> the '/' before sub). "/" gives 1.
int NameStart(std::string_view path);

// The number of '/' in the path, its last character not counted.
int PathDepth(std::string_view path);

// The name a report shows for an entry: the root's last component as written (with its '/'
// after it, or before it without one), any other entry's own name after a '/'.
std::string EntryName(const TreeNode& entry);

// The path from its 1-based position on (empty when past the end).
std::string FromPosition(std::string_view path, int position);

}  // namespace kav
