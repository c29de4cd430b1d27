// Labels, shapes, lines, edges and areas as paint lists.
#include "ui/paint_areas.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>
#include <cmath>

#include "ui/font_metrics.h"
#include "ui/raster.h"
#include "ui/text_layout.h"

namespace ui {
namespace {

bool finite(const RectF& r) {
  return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) && std::isfinite(r.height);
}

// A text run of `lines` in `box` at the grid's scale.
TextRun textRun(const Font& f, const PxRect& box, Color color, std::vector<std::string> lines, const PixelGrid& g) {
  const TextSize size = textSize(f, g.scale);
  TextRun run;
  run.box = box;
  run.face = f.face;
  run.sizePx = size.px;
  run.baseline = size.baseline;
  run.lineStep = size.lineStep;
  // The fonts have no bold face: bold is the regular glyphs struck again
  // about a 24th of the size to the right, as the window system does it.
  run.strike = f.bold ? std::max(1, static_cast<int>(std::lround(size.px / 24.0))) : 0;
  run.color = resolve(color) & 0xFFFFFFu;
  run.lines = std::move(lines);
  return run;
}

// Kept by control: controls come and go with their windows' loads, and an
// entry of one that is gone may be met again by a new control at its
// address. Each entry is keyed by everything its paint depends on, so such a
// meeting finds either what it would paint itself or a changed key; the map
// starts afresh once it holds more controls than any run shows at once.
template <class Entry>
Entry& keptFor(std::unordered_map<const Control*, Entry>& cache, const Control& c) {
  if (cache.size() >= kMostKeptControls && !cache.count(&c)) cache.clear();
  return cache[&c];
}

struct Broken {
  std::string caption, face;
  float size = 0, width = 0;
  std::vector<std::string> lines;
};
std::unordered_map<const Control*, Broken> brokenLabels;

// A label's lines, broken again only when its caption, font or width
// changed: a label in a band that repaints every tick keeps them. Bold is
// struck over the regular glyphs: it breaks no line differently.
const std::vector<std::string>& linesOf(const Label& l) {
  Broken& e = keptFor(brokenLabels, l);
  const Font& f = l.font();
  if (e.caption != l.caption() || e.face != f.face || e.size != f.size || e.width != l.width())
    e = {l.caption(), f.face, f.size, l.width(), breakLines(f, l.caption(), l.width() / kTwipsPerPixel)};
  return e.lines;
}

void paintLabel(PaintList& out, const Label& l, const PixelGrid& g) {
  const RectF t{l.left(), l.top(), l.width(), l.height()};
  const PxRect box = g.rect(t);
  if (!l.transparent()) out.fill(box, l.backColor());
  if (l.caption().empty()) return;
  out.text(textRun(l.font(), box, l.foreColor(), linesOf(l), g));
}

// Circle stamps: a handful of sizes and colours at each zoom, but a page
// fitted in hundredths makes new sizes on every resize. Once kMostStamps are
// kept they are retired together, and freed at the next retirement: a list
// being built still refers to them meanwhile.
using StampKey = std::tuple<int, int, int, Color, bool, Color>;
std::map<StampKey, std::unique_ptr<Stamp>> stamps;
std::vector<std::unique_ptr<Stamp>> retiredStamps;
unsigned long long stampSerial = 0;

// A circle shape's fills in a w x h box: the inside, then the ring, each a
// run of one colour.
const Stamp& circleStamp(int w, int h, int t, Color border, std::optional<Color> fill) {
  const StampKey key{w, h, t, resolve(border), fill.has_value(), fill ? resolve(*fill) : 0};
  if (auto it = stamps.find(key); it != stamps.end()) return *it->second;
  if (stamps.size() >= kMostStamps) {
    retiredStamps.clear();
    for (auto& [k, s] : stamps) retiredStamps.push_back(std::move(s));
    stamps.clear();
  }
  PaintList list;
  std::vector<PxRect> ring;
  const SpanFn inside = [&](const PxRect& r) { list.fill(r, fill.value_or(0)); };
  circleSpans(w / 2.0, h / 2.0, std::min(w, h), t, [&](const PxRect& r) { ring.push_back(r); },
              fill ? &inside : nullptr);
  for (const PxRect& r : ring) list.fill(r, border);
  auto made = std::make_unique<Stamp>(Stamp{w, h, list.items(), ++stampSerial});
  return *stamps.emplace(key, std::move(made)).first->second;
}

void paintShape(PaintList& out, const Shape& s, const PixelGrid& g) {
  const PxRect box = g.rect({s.left(), s.top(), s.width(), s.height()});
  if (box.empty()) return;
  const int t = g.lineWidth(1);
  const Color border = s.borderColor();
  if (s.shape() == ShapeKind::Circle) {
    out.stamp(circleStamp(box.w, box.h, t, border, s.filled() ? std::optional(s.fillColor()) : std::nullopt),
              box.x, box.y);
    return;
  }
  if (s.filled()) out.fill(box.grown(-t), s.fillColor());
  outlineSpans(box, t, [&](const PxRect& r) { out.fill(r, border); });
}

void paintLine(PaintList& out, const Line& l, const PixelGrid& g) {
  const Color c = l.color();
  lineSpans(g.dev(l.x1()), g.dev(l.y1()), g.dev(l.x2()), g.dev(l.y2()), g.lineWidth(l.widthPixels()),
            g.lineWidth(1), l.style() == LineStyle::Dot, [&](const PxRect& r) { out.fill(r, c); });
}

float bits(Color c) { return static_cast<float>(c & 0xFFFFFF) + (isSystemColor(c) ? 0.5f : 0); }

// Shapes and lines keep their fills from one frame to the next while they
// stay as they are: a window repaints dozens of unmoved grid lines a tick.
struct Kept {
  std::array<float, 10> key;
  bool kept = false;  // items hold the fills for key
  std::vector<PaintItem> items;
};
std::unordered_map<const Control*, Kept> keptFills;

template <class Paint>
void cached(PaintList& out, const Control& c, const std::array<float, 10>& key, Paint paint) {
  Kept& e = keptFor(keptFills, c);
  if (e.kept && e.key == key) {
    out.fills(e.items);
    return;
  }
  // Painted straight into the list. A control that changed since it was
  // last painted will likely change again (a line moving every tick): its
  // fills are kept only once it stays as it is.
  const bool moving = e.key != key;
  const size_t from = out.items().size();
  paint(out);
  e.key = key;
  e.kept = !moving;
  if (moving) e.items.clear();
  else e.items.assign(out.items().begin() + static_cast<std::ptrdiff_t>(from), out.items().end());
}

void paintCachedShape(PaintList& out, const Shape& s, const PixelGrid& g) {
  // A circle is a single stamp, itself kept: the cache would only add a lookup.
  if (s.shape() == ShapeKind::Circle) {
    paintShape(out, s, g);
    return;
  }
  const std::array<float, 10> key{s.left(), s.top(), s.width(), s.height(), static_cast<float>(s.shape()),
                                  s.filled() ? 1.f : 0.f, bits(s.fillColor()), bits(s.borderColor()),
                                  static_cast<float>(g.scale), 1};  // 1: a shape's
  cached(out, s, key, [&](PaintList& fresh) { paintShape(fresh, s, g); });
}

void paintCachedLine(PaintList& out, const Line& l, const PixelGrid& g) {
  const std::array<float, 10> key{l.x1(), l.y1(), l.x2(), l.y2(), bits(l.color()),
                                  static_cast<float>(l.widthPixels()), static_cast<float>(l.style()),
                                  static_cast<float>(g.scale), 0, 2};  // 2: a line's
  cached(out, l, key, [&](PaintList& fresh) { paintLine(fresh, l, g); });
}

}  // namespace

PaintCaches paintCaches() { return {brokenLabels.size(), keptFills.size(), stamps.size() + retiredStamps.size()}; }

void paintControls(PaintList& out, const Container& c, GraphicLayer layer, const PixelGrid& g,
                   const PxRect& area) {
  // A control is painted when its rounded pixels, widened by the margin,
  // meet the area. Rounding moves an edge by half a pixel at most, so the
  // test runs on the twips, against the area widened by one more pixel:
  // nothing rounded per control, and every control that meets it passes.
  const int margin = 2 * g.lineWidth(2);
  const double twips = kTwipsPerPixel / g.scale, reach = margin + 1;
  const double left = (area.x - reach) * twips, right = (area.right() + reach) * twips;
  const double top = (area.y - reach) * twips, bottom = (area.bottom() + reach) * twips;
  for (const Control* ctl : c.children()) {
    if (!ctl->visible() || ctl->isWidget() || !inLayer(ctl->kind(), layer)) continue;
    const RectF bounds = ctl->bounds();
    if (!finite(bounds)) continue;
    const double l = bounds.left, t = bounds.top, r = l + bounds.width, b = t + bounds.height;
    if (l >= right || r <= left || t >= bottom || b <= top) continue;
    switch (ctl->kind()) {
      case ControlKind::Label: paintLabel(out, static_cast<const Label&>(*ctl), g); break;
      case ControlKind::Shape: paintCachedShape(out, static_cast<const Shape&>(*ctl), g); break;
      case ControlKind::Line: paintCachedLine(out, static_cast<const Line&>(*ctl), g); break;
      default: break;
    }
  }
}

void paintForm(PaintList& out, const Form& f, const DrawingLayer& drawings, const PixelGrid& g,
               const PxRect& area) {
  out.fill(area, f.style().backColor);
  paintControls(out, f, GraphicLayer::Shapes, g, area);
  out.drawing(drawings);
  paintControls(out, f, GraphicLayer::LinesAndLabels, g, area);
}

int pictureInset(const PictureBox& box, const PixelGrid& g) { return box.border() ? 2 * g.lineWidth(1) : 0; }

void paintPictureBox(PaintList& out, const PictureBox& box, const DrawingLayer& drawings,
                     const PixelGrid& g, const PxRect& size, const PxRect& area) {
  // An opaque layer holds the background already: one copy instead of two.
  if (!drawings.opaque()) {
    out.fill(area, box.backColor());
    if (!box.picture().empty()) {
      // Its corner inside the border, its far edges rounded as a control's.
      const int inset = pictureInset(box, g);
      const PxRect to{inset, inset, g.px(box.pictureWidth() * kTwipsPerPixel),
                      g.px(box.pictureHeight() * kTwipsPerPixel)};
      out.image(box.picture(), to, size.grown(-inset).intersected(area));
    }
  }
  out.drawing(drawings);
  paintControls(out, box, GraphicLayer::All, g, area);
  if (box.border()) paintSunkenEdge(out, size, g.lineWidth(1));
}

void paintSunkenEdge(PaintList& out, const PxRect& size, int t) {
  auto ring = [&](const PxRect& r, Color topLeft, Color bottomRight) {
    out.fill({r.x, r.bottom() - t, r.w, t}, bottomRight);
    out.fill({r.right() - t, r.y, t, r.h}, bottomRight);
    out.fill({r.x, r.y, r.w - t, t}, topLeft);
    out.fill({r.x, r.y, t, r.h - t}, topLeft);
  };
  ring(size, 0xA0A0A0, 0xFFFFFF);
  ring(size.grown(-t), 0x696969, 0xE3E3E3);
}

void paintFrame(PaintList& out, const Frame& frame, const PixelGrid& g, const PxRect& size, const PxRect& area) {
  const int t = g.lineWidth(1);
  out.fill(area, sys::ButtonFace);
  // An etched rectangle, grey, and white one pixel below and right of it,
  // through the middle of the caption's line.
  const Font font{"", kControlPoints, false};
  const TextSize text = textSize(font, g.scale);
  const int middle = text.lineStep / 2;
  const PxRect etch{0, middle, size.w - t, size.h - middle - t};
  outlineSpans(etch, t, [&](const PxRect& r) { out.fill(r, 0xA0A0A0); });
  outlineSpans({etch.x + t, etch.y + t, etch.w, etch.h}, t, [&](const PxRect& r) { out.fill(r, 0xFFFFFF); });
  // The caption on the face, breaking the line from 6 pixels in, with a gap
  // of 2 pixels either side of it.
  if (!frame.caption().empty()) {
    const auto px = [&](double layout) { return static_cast<int>(std::lround(layout * g.scale)); };
    const int gap = px(2);
    const int width = static_cast<int>(std::ceil(faceMetrics(Typeface::PGothic).width(frame.caption(), text.px)));
    const PxRect band{px(6), 0, std::min(width + 2 * gap, size.w - px(6)), text.lineStep};
    out.fill(band, sys::ButtonFace);
    // Clipped to the band: an engine's hinted glyphs may run a pixel longer.
    out.text(textRun(font, {band.x + gap, 0, std::max(0, band.w - gap), band.h}, 0, {frame.caption()}, g));
  }
  paintControls(out, frame, GraphicLayer::All, g, area);
}

}  // namespace ui
