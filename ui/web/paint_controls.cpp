// Label, shape, line and edge painting for the browser host.
#include "ui/web/paint_controls.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <unordered_map>

#include "ui/controls.h"
#include "ui/font.h"
#include "ui/web/dom.h"

namespace zemlox::web {
namespace {

bool meets(const Span& a, const Span& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

void fill(DrawList& dl, ui::Color c, const Span& s) {
  dl.colour(c);
  dl.rect(s);
}

void paintLabel(DrawList& dl, const ui::Label& l, const Scale& sc) {
  const Span box = toDevice({l.left(), l.top(), l.width(), l.height()}, sc);
  if (!l.transparent()) fill(dl, l.backColor(), box);
  dl.colour(l.foreColor());
  dl.text(box, fontPixels(l.font().size, sc), faceOf(l.font().face), l.font().bold, l.caption(), sc.s);
}

// A circle's spans drawn once into a canvas of its own and then copied to
// where each circle of that size, colours and sub-pixel offset stands: a row
// of moving particles costs one copy each a frame, with the same pixels.
int circleSprite(double fx, double fy, int d, int t, ui::Color border, const ui::Color* fill) {
  struct Key {
    int fx, fy, d, t;
    ui::Color border, fill;
    bool filled;
    bool operator==(const Key&) const = default;
  };
  struct Hash {
    size_t operator()(const Key& k) const {
      return std::hash<long long>()((static_cast<long long>(k.d) << 40) ^ (static_cast<long long>(k.fx) << 36) ^
                                    (static_cast<long long>(k.fy) << 32) ^ (k.border * 31u) ^ (k.fill * 17u) ^
                                    (static_cast<unsigned>(k.t) << 28) ^ (k.filled ? 1u : 0u));
    }
  };
  // A handful of sizes and colours at each zoom: kept for the page's life.
  static std::unordered_map<Key, int, Hash> sprites;
  const Key key{static_cast<int>(std::lround(fx * 4)), static_cast<int>(std::lround(fy * 4)), d, t,
                ui::resolve(border), fill ? ui::resolve(*fill) : 0u, fill != nullptr};
  if (auto it = sprites.find(key); it != sprites.end()) return it->second;
  const int id = dom::create(dom::Kind::Layer, 0);
  dom::resizeCanvas(id, d + 3, d + 3);
  DrawList sprite;
  const double cx = 1 + fx + d / 2.0, cy = 1 + fy + d / 2.0;
  if (fill) {
    sprite.colour(*fill);
    const SpanFn inside = [&](const Span& sp) { sprite.rect(sp); };
    circleSpans(cx, cy, d, t, [](const Span&) {}, &inside);
  }
  sprite.colour(border);
  circleSpans(cx, cy, d, t, [&](const Span& sp) { sprite.rect(sp); }, nullptr);
  sprite.replayOn(id);
  sprites.emplace(key, id);
  return id;
}

void paintShape(DrawList& dl, const ui::Shape& s, const Scale& sc) {
  const Span box = toDevice({s.left(), s.top(), s.width(), s.height()}, sc);
  const int t = sc.thickness(1);
  if (s.shape() == ui::ShapeKind::Circle) {
    const int d = std::min(box.w, box.h);
    if (d <= 0) return;
    // Top-left of the circle's square, and how far past a whole pixel it lies.
    const double x = box.x + (box.w - d) / 2.0, y = box.y + (box.h - d) / 2.0;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const ui::Color fillColour = s.fillColor();
    dl.layer(circleSprite(x - ix, y - iy, d, t, s.borderColor(), s.filled() ? &fillColour : nullptr),
             ix - 1, iy - 1);
    return;
  }
  if (s.filled()) fill(dl, s.fillColor(), box);
  dl.colour(s.borderColor());
  frameSpans(box.x, box.y, box.w, box.h, t, [&](const Span& sp) { dl.rect(sp); });
}

void paintLine(DrawList& dl, const ui::Line& l, const Scale& sc) {
  dl.colour(l.color());
  lineSpans(sc.dev(l.x1()), sc.dev(l.y1()), sc.dev(l.x2()), sc.dev(l.y2()),
            sc.thickness(l.widthPixels()), l.style() == ui::LineStyle::Dot,
            [&](const Span& sp) { dl.rect(sp); });
}

// Shapes and lines keep their spans from one frame to the next while they
// stay as they are: a window repaints dozens of unmoved grid lines a tick.
struct Cached {
  std::array<float, 10> key;
  std::vector<int32_t> ops;
};

template <class Paint>
void cached(DrawList& dl, const ui::Control& c, const std::array<float, 10>& key, Paint paint) {
  static std::unordered_map<const ui::Control*, Cached> cache;
  Cached& entry = cache[&c];
  if (entry.ops.empty() || entry.key != key) {
    DrawList fresh;
    paint(fresh);
    entry = {key, fresh.ops()};
  }
  dl.append(entry.ops);
}

float bits(ui::Color c) { return static_cast<float>(c & 0xFFFFFF) + (ui::isSystemColor(c) ? 0.5f : 0); }

void paintCachedShape(DrawList& dl, const ui::Shape& s, const Scale& sc) {
  const std::array<float, 10> key{s.left(), s.top(), s.width(), s.height(),
                                  static_cast<float>(s.shape()), s.filled() ? 1.f : 0.f,
                                  bits(s.fillColor()), bits(s.borderColor()), static_cast<float>(sc.s), 0};
  cached(dl, s, key, [&](DrawList& fresh) { paintShape(fresh, s, sc); });
}

void paintCachedLine(DrawList& dl, const ui::Line& l, const Scale& sc) {
  const std::array<float, 10> key{l.x1(), l.y1(), l.x2(), l.y2(), bits(l.color()),
                                  static_cast<float>(l.widthPixels()), static_cast<float>(l.style()),
                                  static_cast<float>(sc.s), 0, 0};
  cached(dl, l, key, [&](DrawList& fresh) { paintLine(fresh, l, sc); });
}

}  // namespace

Span toDevice(const ui::RectF& r, const Scale& sc) {
  // Each edge rounded on its own, so neighbouring rectangles meet with no gap.
  const int l = sc.px(r.left), t = sc.px(r.top);
  return {l, t, sc.px(static_cast<double>(r.left) + r.width) - l,
          sc.px(static_cast<double>(r.top) + r.height) - t};
}

// 20 twips to a point.
double fontPixels(float points, const Scale& sc) { return points * 20.0 / ui::kTwipsPerPixel * sc.s; }

Face faceOf(const std::string& name) { return ui::typefaceOf(name); }

void paintGraphics(DrawList& dl, const ui::Container& c, GraphicLayer layer, const Scale& sc,
                   const Span& area) {
  const int margin = 2 * sc.thickness(1);
  for (const ui::Control* ctl : c.children()) {
    if (!ctl->visible() || ctl->isWidget() || !ui::inLayer(ctl->kind(), layer)) continue;
    Span b = toDevice(ctl->bounds(), sc);
    b = {b.x - margin, b.y - margin, b.w + 2 * margin, b.h + 2 * margin};
    if (!meets(b, area)) continue;
    switch (ctl->kind()) {
      case ui::ControlKind::Label: paintLabel(dl, static_cast<const ui::Label&>(*ctl), sc); break;
      case ui::ControlKind::Shape: paintCachedShape(dl, static_cast<const ui::Shape&>(*ctl), sc); break;
      case ui::ControlKind::Line: paintCachedLine(dl, static_cast<const ui::Line&>(*ctl), sc); break;
      default: break;
    }
  }
}

void paintSunkenEdge(DrawList& dl, int w, int h, const Scale& sc) {
  const int t = sc.thickness(1);
  fill(dl, 0x00A0A0A0, {0, 0, w, t});
  fill(dl, 0x00A0A0A0, {0, 0, t, h});
  fill(dl, 0x00696969, {t, t, w - 2 * t, t});
  fill(dl, 0x00696969, {t, t, t, h - 2 * t});
  fill(dl, 0x00FFFFFF, {0, h - t, w, t});
  fill(dl, 0x00FFFFFF, {w - t, 0, t, h});
}

void paintEtchedFrame(DrawList& dl, int w, int h, int top, const Scale& sc) {
  const int t = sc.thickness(1);
  dl.colour(0x00A0A0A0);
  frameSpans(0, top, w - t, h - top - t, t, [&](const Span& sp) { dl.rect(sp); });
  dl.colour(0x00FFFFFF);
  frameSpans(t, top + t, w - t, h - top - t, t, [&](const Span& sp) { dl.rect(sp); });
}

}  // namespace zemlox::web
