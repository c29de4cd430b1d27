// Colour and font conversions for the Qt host.
#include "ui/qt/convert.h"

#include <QApplication>
#include <algorithm>


namespace zemlox::qt {
QColor toQColor(ui::Color c) {
  ui::Color v = ui::resolve(c);
  return QColor(ui::red(v), ui::green(v), ui::blue(v));
}

QFont pixelFont(const std::string& face, int sizePx) {
  QFont font = face.empty() ? QApplication::font() : QFont(QString::fromStdString(face));
  font.setPixelSize(std::max(1, sizePx));
  return font;
}

QFont widgetFont(double zoom) {
  QFont font = QApplication::font();
  font.setPixelSize(ui::controlFontPixels(zoom));
  return font;
}

void installFonts() {
  // A substitute is only used where the named family itself is missing, so
  // this costs nothing on desktops that have the fonts. Asking the font
  // database first would load it before the first paint needs it.
  for (const char* face : {ui::kPGothic, ui::kGothic})
    QFont::insertSubstitution(QString::fromUtf8(face),
                              QString::fromUtf8(ui::familyOf(ui::kDesktopFamilies, face)));
  QFont ui(QString::fromUtf8(ui::familyOf(ui::kDesktopFamilies, "")));
  ui.setPixelSize(ui::controlFontPixels(1));
  QApplication::setFont(ui);
}

}  // namespace zemlox::qt
