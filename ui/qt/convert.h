// Conversions between the window layer's units and Qt's: twips to logical
// pixels, 0x00BBGGRR colours, layout fonts to installed fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRectF>

#include "ui/color.h"
#include "ui/font.h"
#include "ui/geometry.h"

namespace zemlox::qt {

inline constexpr double kTwipsPerPixel = 15.0;

QColor toQColor(ui::Color c);
// A control's rectangle in whole logical pixels of its container widget.
QRect toPixels(const ui::RectF& r);
// The area to repaint for a rectangle in twips, rounded outwards.
QRect toDirtyPixels(const ui::RectF& r);
// A repaint rectangle in pixels as twips, for culling.
QRectF toTwips(const QRect& pixels);
// The font to paint with in a painter scaled to twips.
QFont paintFont(const ui::Font& f);

// Maps the layout's Japanese font names to the IPA fonts where those are
// not installed, and sets a Japanese default font for controls.
void installFonts();

}  // namespace zemlox::qt
