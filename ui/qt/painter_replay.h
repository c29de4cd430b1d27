// Replays the window layer's paint lists with a QPainter in device pixels:
// fills as they are, text runs on their given lines and baselines in the
// typeface the metrics come from, pictures scaled once, drawing layers
// copied. It only replays: where a line stands is the window layer's, Qt
// only draws its glyphs.
#pragma once

#include <QPainter>

#include "ui/paint_list.h"

namespace zemlox::qt {

// The painter is in device pixels (useDevicePixels); `clip` bounds what
// the list may cover.
void replay(QPainter& p, const ui::PaintList& list, const QRect& clip);

}  // namespace zemlox::qt
