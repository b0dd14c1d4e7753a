#pragma once
// The frame a window manager puts around a window of the program, known before the window
// is shown, so that a window can be sized and placed with its frame before the window
// manager first sees it.
#include <QMargins>
#include <optional>

class QWidget;

namespace widgets {

// The frame `window` (a top-level window, not shown yet) will have: on X11 what the window
// manager answers for this very window, elsewhere what the platform knows of its frames;
// none when nobody can tell (no window manager). Creates the window's native window.
std::optional<QMargins> ExpectedFrame(QWidget* window);

} // namespace widgets
