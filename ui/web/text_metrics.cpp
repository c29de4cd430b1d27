// The page's font metrics for the window layer's line breaking: widths and
// line heights measured on a canvas with the bundled fonts, at the size asked.
#include <emscripten.h>

#include <string>

#include "ui/text_layout.h"
#include "ui/web/program.h"

namespace {

EM_JS(double, zx_text_width, (int face, double px, const char* s, int n),
      { return ZX.textWidth(face, px, UTF8ToString(s, n)); });
EM_JS(double, zx_line_height, (int face, double px), { return ZX.lineHeight(face, px); });

int faceOf(const ui::Font& f) { return static_cast<int>(ui::typefaceOf(f.face)); }

class PageMetrics : public ui::TextMetrics {
 public:
  double width(const ui::Font& f, double px, std::string_view s) const override {
    return zx_text_width(faceOf(f), px, s.data(), static_cast<int>(s.size()));
  }
  double lineHeight(const ui::Font& f, double px) const override { return zx_line_height(faceOf(f), px); }
};

}  // namespace

namespace zemlox::web {

void installTextMetrics() {
  static const PageMetrics metrics;
  ui::setTextMetrics(&metrics);
}

}  // namespace zemlox::web
