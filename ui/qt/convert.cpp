// Font conversions for the Qt host: every text is drawn in the typeface
// the metrics table was made from, at the window layer's pixel sizes.
#include "ui/qt/convert.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace zemlox::qt {

QFont typefaceFont(const std::string& face) {
  // The family the metrics table was made from, also where a font of the
  // layout's own name is installed: line breaks follow its advances.
  return QFont(QString::fromUtf8(ui::familyOf(ui::kDesktopFamilies, face)));
}

QFont pixelFont(const std::string& face, int sizePx) {
  QFont font = typefaceFont(face);
  font.setPixelSize(std::max(1, sizePx));
  return font;
}

QFont widgetFont(double zoom, const QWidget& w) {
  // Whole device pixels, as the browser's: a logical size in points is the
  // only way Qt takes a size between whole logical pixels.
  const double dpr = w.devicePixelRatioF();
  QFont font = QApplication::font();
  font.setPointSizeF(ui::controlFontPixels(zoom * dpr) / dpr * 72.0 / w.logicalDpiY());
  return font;
}

void installFonts() {
  QFont ui = typefaceFont("");
  ui.setPixelSize(ui::controlFontPixels(1));
  QApplication::setFont(ui);
}

}  // namespace zemlox::qt
