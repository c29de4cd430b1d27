// Colour and font conversions for the Qt host.
#include "ui/qt/convert.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace zemlox::qt {
namespace {

// 9 pt at 96 dpi, the desktop's interface text.
constexpr int kWidgetFontPixels = 12;

}  // namespace

QColor toQColor(ui::Color c) {
  ui::Color v = ui::resolve(c);
  return QColor(ui::red(v), ui::green(v), ui::blue(v));
}

QFont deviceFont(const ui::Font& f, double scale) {
  QFont font = f.face.empty() ? QApplication::font() : QFont(QString::fromStdString(f.face));
  // One point is 4/3 of a pixel at 96 dpi.
  const double pixels = static_cast<double>(f.size) * 4.0 / 3.0 * scale;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::min(pixels, 4000.0)))));
  font.setBold(f.bold);
  return font;
}

int boldOverstrike(const QFont& f) {
  if (!f.bold()) return 0;
  static QHash<QString, bool> hasBold;
  const QString family = QFontInfo(f).family();
  auto it = hasBold.constFind(family);
  if (it == hasBold.constEnd()) {
    bool found = false;
    for (const QString& style : QFontDatabase::styles(family))
      found = found || QFontDatabase::weight(family, style) >= QFont::DemiBold;
    it = hasBold.insert(family, found);
  }
  if (*it) return 0;
  return std::max(1, static_cast<int>(std::lround(f.pixelSize() / 24.0)));
}

QFont widgetFont(double zoom) {
  QFont font = QApplication::font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(kWidgetFontPixels * zoom))));
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
  ui.setPixelSize(kWidgetFontPixels);
  QApplication::setFont(ui);
}

}  // namespace zemlox::qt
