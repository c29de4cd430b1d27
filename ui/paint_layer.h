// Which controls a host paints in which pass. In a picture box or frame the
// drawings lie under all of its painted controls; on a window's own surface
// they lie above its shapes and below its lines and labels.
#pragma once

#include "ui/control.h"

namespace ui {

enum class GraphicLayer {
  All,            // picture boxes and frames: everything above the drawings
  Shapes,         // a window's shapes, which lie under its drawings
  LinesAndLabels  // a window's lines and labels, above its drawings
};

constexpr bool inLayer(ControlKind k, GraphicLayer layer) {
  switch (layer) {
    case GraphicLayer::All: return true;
    case GraphicLayer::Shapes: return k == ControlKind::Shape;
    case GraphicLayer::LinesAndLabels: return k != ControlKind::Shape;
  }
  return false;
}

}  // namespace ui
