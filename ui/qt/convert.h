// Conversions between the window layer's fonts and Qt's: a layout face to
// the installed IPA typeface the metrics table was made from, at a size in
// whole pixels.
#pragma once

#include <QFont>
#include <string>

#include "ui/font.h"

class QWidget;

namespace zemlox::qt {

// The typeface a face of the layout (empty: the interface font) is drawn in.
QFont typefaceFont(const std::string& face);
// A face of the layout at a size in pixels.
QFont pixelFont(const std::string& face, int sizePx);
// The interface font of a window's widgets at a zoom: ui::controlFontPixels
// in the widget's device pixels.
QFont widgetFont(double zoom, const QWidget& w);

// Sets the interface typeface as the default font for controls.
void installFonts();

}  // namespace zemlox::qt
