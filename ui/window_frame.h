#pragma once

#include <QSize>
#include <functional>

class QWidget;

namespace ormitan {

// Places a top-level window by its whole outline, frame included. A window manager frames a
// window only after it has been mapped, so `place` runs when the window is shown and once more
// as soon as the frame is known (looked for during the first two seconds of a showing). After
// one placement with a known frame the window stays where the user leaves it.
void PlaceWhenFramed(QWidget& window, std::function<void(QWidget&)> place);

// Centres the whole window, frame included, on the primary screen's work area.
void CentreOnWorkArea(QWidget& window);

// Makes the whole window, frame included, `whole` in size and centres it on the work area.
void SizeWholeWindow(QWidget& window, QSize whole);

// Makes the whole window, frame included, fill the primary screen's work area, and keeps the
// user from resizing it.
void FillWorkArea(QWidget& window);

}  // namespace ormitan
