// Colour and font conversions for the Qt host.
#include "ui/qt/convert.h"

#include <QApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "ui/text_layout.h"

namespace zemlox::qt {
namespace {

// 9 pt at 96 dpi, the desktop's interface text.
constexpr int kWidgetFontPixels = 12;

// Labels are broken into lines with the metrics of the fonts they are drawn in.
class QtTextMetrics : public ui::TextMetrics {
 public:
  double width(const ui::Font& f, double px, std::string_view s) const override {
    return QFontMetricsF(pixelFont(f.face, px))
        .horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
  }
  double lineHeight(const ui::Font& f, double px) const override {
    return QFontMetricsF(pixelFont(f.face, px)).lineSpacing();
  }
};

}  // namespace

QColor toQColor(ui::Color c) {
  ui::Color v = ui::resolve(c);
  return QColor(ui::red(v), ui::green(v), ui::blue(v));
}

QFont pixelFont(const std::string& face, double sizePx) {
  QFont font = face.empty() ? QApplication::font() : QFont(QString::fromStdString(face));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::min(sizePx, 4000.0)))));
  return font;
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
  static const QtTextMetrics metrics;
  ui::setTextMetrics(&metrics);
}

}  // namespace zemlox::qt
