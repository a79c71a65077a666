#pragma once

#include <QIcon>

namespace kav::ui {

// The images of the tree graph viewer (GrImageList1), drawn by the program: a folder for the
// directory states 1 to 4 (paired, paired with changes, deleted, inserted) and a page for the
// file rows 5 to 8 (equal, deleted, inserted, changed). Colours follow the legend: black for
// paired and changed, blue for inserted, red for deleted, with the mark "*", "+" or "-" drawn
// on the image. Any other index gives an empty icon.
QIcon GraphStateIcon(int image);

}  // namespace kav::ui
