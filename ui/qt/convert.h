// Conversions between the window layer's units and Qt's: 0x00BBGGRR
// colours, and layout fonts to installed fonts at a size in whole pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <string>

#include "ui/color.h"
#include "ui/font.h"

namespace zemlox::qt {

QColor toQColor(ui::Color c);
// A face of the layout (empty: the interface font) at a size in pixels.
QFont pixelFont(const std::string& face, int sizePx);
// The interface font of the program's widgets at a zoom.
QFont widgetFont(double zoom);

// Maps the layout's Japanese font names to the IPA fonts where those are
// not installed, and sets a Japanese default font for controls.
void installFonts();

}  // namespace zemlox::qt
