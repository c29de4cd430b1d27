// A finger on a desktop window, as in the browser: Qt's touch events on the
// window and its frames and picture boxes go through the window's ui::Touch
// in the touched container's twips. The first finger is followed, a second
// does nothing; an accepted touch keeps Qt from making mouse events of it.
#pragma once

#include <QEvent>
#include <functional>

#include "ui/touch.h"

namespace zemlox::qt {

struct Finger {
  ui::Touch touch;
  int id = -1;  // Qt's id of the finger followed, -1 for none
  // Opens a settings list's drop-down, as a touch on its arrow does.
  std::function<void(ui::ComboBox&)> openList;
};

// Handles `e` when it is a touch event on the widget of container `c`, shown
// at `zoom` logical pixels per layout pixel; false for any other event.
bool routeTouch(Finger& finger, ui::Container& c, QEvent* e, double zoom);

}  // namespace zemlox::qt
