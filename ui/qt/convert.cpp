// Unit, colour and font conversions for the Qt host.
#include "ui/qt/convert.h"

#include <QApplication>
#include <cmath>

namespace zemlox::qt {

QColor toQColor(ui::Color c) {
  ui::Color v = ui::resolve(c);
  return QColor(ui::red(v), ui::green(v), ui::blue(v));
}

QRect toPixels(const ui::RectF& r) {
  auto px = [](float t) { return static_cast<int>(std::lround(t / kTwipsPerPixel)); };
  return QRect(px(r.left), px(r.top), px(r.width), px(r.height));
}

QRect toDirtyPixels(const ui::RectF& r) {
  auto lo = [](float t) { return static_cast<int>(std::floor(t / kTwipsPerPixel)) - 1; };
  auto hi = [](float t) { return static_cast<int>(std::ceil(t / kTwipsPerPixel)) + 1; };
  if (!std::isfinite(r.left) || !std::isfinite(r.top) || !std::isfinite(r.width) ||
      !std::isfinite(r.height))
    return QRect(-100000, -100000, 200000, 200000);
  float l = std::clamp(r.left, -1e6f, 1e6f), t = std::clamp(r.top, -1e6f, 1e6f);
  float rr = std::clamp(r.right(), -1e6f, 1e6f), b = std::clamp(r.bottom(), -1e6f, 1e6f);
  return QRect(QPoint(lo(l), lo(t)), QPoint(hi(rr), hi(b)));
}

QRectF toTwips(const QRect& pixels) {
  return QRectF(pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel,
                pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel)
      .adjusted(-kTwipsPerPixel, -kTwipsPerPixel, kTwipsPerPixel, kTwipsPerPixel);
}

QFont paintFont(const ui::Font& f) {
  QFont font = f.face.empty() ? QApplication::font() : QFont(QString::fromStdString(f.face));
  // One point is 20 twips; the painter draws in twips.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.size * 20.0f))));
  font.setBold(f.bold);
  return font;
}

void installFonts() {
  // A substitute is only used where the named family itself is missing, so
  // this costs nothing on desktops that have the fonts. Asking the font
  // database first would load it before the first paint needs it.
  QFont::insertSubstitution(QString::fromUtf8(ui::kPGothic), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QString::fromUtf8(ui::kGothic), QStringLiteral("IPAGothic"));
  QFont ui(QStringLiteral("IPAPGothic"));
  ui.setPixelSize(12);  // 9 pt at 96 dpi
  QApplication::setFont(ui);
}

}  // namespace zemlox::qt
