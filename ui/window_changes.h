// What changed in one window since its host last looked, as the host applies
// it: repainted areas, native widgets to place and refill, the items over
// painted labels, announcements. Made by ui/window_scene.h, handed out once
// a frame by Application::frame.
#pragma once

#include <string>
#include <vector>

#include "ui/paint_list.h"
#include "ui/pixel_grid.h"

namespace ui {

class Control;
class Form;
class WindowScene;

// One area's repaint: its dirty rectangles (device pixels in the area) and,
// where the host asked for them, the paint list of their bounding box.
struct AreaPaint {
  size_t area;
  std::vector<PxRect> dirty;
  PxRect bounds;
  const PaintList* list = nullptr;  // kept by the scene until its next frame
};

// A native widget (button, list, frame, picture box) to place and fill from
// its control: caption, items, text and visibility are read there.
struct WidgetChange {
  Control* control;
  PxRect place;  // device pixels in the area it lies in
  // Where the focus goes if the widget hid while it had it.
  Control* handOn = nullptr;
};

// The item over a painted label whose name, place or visibility changed.
struct ItemChange {
  size_t item;
  bool name = false, place = false, shown = false;
  // Where the focus goes if the item hid while it had it.
  Control* handOn = nullptr;
};

struct WindowChanges {
  Form* form = nullptr;
  WindowScene* scene = nullptr;
  std::vector<AreaPaint> paints;
  std::vector<WidgetChange> widgets;
  std::vector<ItemChange> items;
  std::vector<std::string> announcements;
  bool inputEnabledChanged = false;
};

}  // namespace ui
