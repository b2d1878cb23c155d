// The window placement rules applied to Qt windows: the screen's available area, the frame
// round a window, and moving a window over or beside the main window.
#pragma once
#include <QRect>

#include "app/model/WindowPlacement.h"

class QWidget;

namespace natalis {

WinRect ToWinRect(const QRect& r);
QRect ToQRect(const WinRect& r);

// The available area of the screen w is on (the primary screen when it has none), in
// logical pixels.
WinRect AvailableArea(const QWidget* w);
// The window manager's frame round w: as measured once w is shown with one, else the
// allowance for a frame not known yet.
WinMargins FrameMargins(const QWidget* w);

// Moves window (not yet shown, or shown) so that it stands centred over owner, inside the
// screen.
void MoveOver(QWidget* window, const QWidget* owner);
// Moves window beside owner's right edge (at least minLeft from the screen's left), level
// with its top, inside the screen.
void MoveBeside(QWidget* window, const QWidget* owner, int minLeft);

}  // namespace natalis
