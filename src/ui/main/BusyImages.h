#pragma once

#include <QPixmap>

namespace kav::ui {

// The two frames of the running man that MnImage1 and MnImage2 show in turn during a run.
QPixmap RunningManFrame(int frame);

// The picture of the About page.
QPixmap AboutPicture();

}  // namespace kav::ui
