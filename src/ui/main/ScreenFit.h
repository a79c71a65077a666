#pragma once

class QWidget;

namespace kav::ui {

// Puts the top-level `window`, about to be shown, wholly on the free area of the screen it
// lands on (PlaceOnScreen), moving it and cutting its size where needed. A dialog that was
// never placed is first centred over its parent's window, where it would open otherwise.
void FitOnScreen(QWidget& window);

// The same for the window's frame at a stored `left`, `top`: any int values, far off every
// screen included, bring the window onto a screen.
void PlaceOnScreenAt(QWidget& window, int left, int top);

}  // namespace kav::ui
