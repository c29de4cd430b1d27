// Conversions between the window layer's units and Qt's: 0x00BBGGRR
// colours, layout fonts to installed fonts at a device scale.
#pragma once

#include <QColor>
#include <QFont>

#include "ui/color.h"
#include "ui/font.h"

namespace zemlox::qt {

QColor toQColor(ui::Color c);
// The font to paint with in device pixels, `scale` device pixels to a
// layout pixel: text is laid out at the size it is shown, so hinting and
// emboldening work as they do for any text on screen.
QFont deviceFont(const ui::Font& f, double scale);
// How many device pixels bold text in `f` is struck over itself, or 0 when
// the font has a bold face of its own. The IPA fonts have none, and the
// emboldening the font engine synthesises is lost on large text, so bold is
// drawn the way the window system synthesises it: the regular glyphs struck
// again a little to the right, about a 24th of the size.
int boldOverstrike(const QFont& f);
// The interface font of the program's widgets at a zoom.
QFont widgetFont(double zoom);

// Maps the layout's Japanese font names to the IPA fonts where those are
// not installed, and sets a Japanese default font for controls.
void installFonts();

}  // namespace zemlox::qt
