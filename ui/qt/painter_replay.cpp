// Paint list replay on a QPainter.
#include "ui/qt/painter_replay.h"

#include <QHash>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "ui/drawing_layer.h"
#include "ui/picture_scaling.h"
#include "ui/qt/convert.h"
#include "ui/qt/direct_fill.h"
#include "ui/qt/layer_copy.h"

namespace zemlox::qt {
namespace {

QColor colour(ui::Color c) { return QColor(ui::red(c), ui::green(c), ui::blue(c)); }

// Resolving a font costs more than drawing its text: each is built once.
const QFont& fontFor(const std::string& face, int sizePx) {
  static QHash<QString, QFont> cache;
  const QString key = QStringLiteral("%1/%2").arg(QString::fromStdString(face)).arg(sizePx);
  auto it = cache.constFind(key);
  if (it == cache.constEnd()) it = cache.insert(key, pixelFont(face, sizePx));
  return *it;
}

// A line's glyphs, shaped once: shaping and finding the fonts for each
// script cost far more than drawing, and the same lines come back every
// time their label repaints. Positions are from the line's start on its
// baseline; `ink` bounds every pixel the glyphs may touch.
constexpr qsizetype kMostShapedLines = 4096;

struct Shaped {
  QList<QGlyphRun> runs;
  QRect ink;
};

const Shaped& shaped(const std::string& face, int sizePx, const std::string& line) {
  static QHash<QString, Shaped> cache;
  const QString s = QString::fromStdString(line);
  const QString key = QStringLiteral("%1/%2/").arg(QString::fromStdString(face)).arg(sizePx) + s;
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  // Labels whose text changes as a lesson runs (times, distances) would
  // fill it without end: it starts afresh now and then.
  if (cache.size() >= kMostShapedLines) cache.clear();
  QTextLayout layout(s, fontFor(face, sizePx));
  layout.beginLayout();
  QTextLine l = layout.createLine();
  l.setNumColumns(static_cast<int>(s.size()));
  layout.endLayout();
  // Runs split by script but in one font are drawn as one, in order.
  Shaped out;
  for (const QGlyphRun& r : l.glyphRuns()) {
    QGlyphRun* last = out.runs.isEmpty() ? nullptr : &out.runs.last();
    if (last && last->rawFont() == r.rawFont() && last->flags() == r.flags()) {
      const QList<quint32> glyphs = last->glyphIndexes() + r.glyphIndexes();
      const QList<QPointF> at = last->positions() + r.positions();
      last->setGlyphIndexes(glyphs);
      last->setPositions(at);
    } else {
      out.runs.append(r);
    }
  }
  const QPointF up(0, l.ascent());
  QRectF ink;
  for (QGlyphRun& r : out.runs) {
    QList<QPointF> at = r.positions();
    for (QPointF& q : at) q -= up;
    r.setPositions(at);
    const QList<quint32> glyphs = r.glyphIndexes();
    for (qsizetype i = 0; i < glyphs.size() && i < at.size(); ++i)
      ink |= r.rawFont().boundingRect(glyphs[i]).translated(at[i]);
  }
  // Smoothed edges may reach a pixel past the outlines.
  out.ink = ink.toAlignedRect().adjusted(-2, -2, 2, 2);
  return *cache.insert(key, out);
}

// Each line at its baseline, clipped to the label as a label clips its
// text; lines whose glyphs lie wholly outside `clip` are left out.
void drawText(QPainter& p, const ui::TextRun& run, const QRect& clip) {
  const QRect box(run.box.x, run.box.y, run.box.w, run.box.h);
  const QRect visible = box & clip;
  if (visible.isEmpty()) return;
  bool clipped = false;
  for (size_t k = 0; k < run.lines.size(); ++k) {
    const int y = run.box.y + run.baseline + static_cast<int>(k) * run.lineStep;
    if (y - run.baseline >= run.box.bottom()) break;
    const Shaped& line = shaped(run.face, run.sizePx, run.lines[k]);
    if (!line.ink.adjusted(0, 0, run.strike, 0).translated(run.box.x, y).intersects(visible)) continue;
    if (!clipped) {
      clipped = true;
      p.save();
      p.setClipRect(box, Qt::IntersectClip);
      p.setPen(colour(run.color));
    }
    for (int dx = 0; dx <= run.strike; ++dx)
      for (const QGlyphRun& g : line.runs) p.drawGlyphRun(QPointF(run.box.x + dx, y), g);
  }
  if (clipped) p.restore();
}

// A picture scaled to the size given by the window layer's rule, once per size.
const QImage& picture(const std::string& resource, const QSize& size) {
  struct Entry { QImage original, scaled; };
  static QHash<QString, Entry> cache;
  Entry& e = cache[QString::fromStdString(resource)];
  if (e.original.isNull())
    e.original = QImage(QString::fromStdString(resource)).convertToFormat(QImage::Format_RGB32);
  if (size == e.original.size() || e.original.isNull()) return e.original;
  if (e.scaled.size() != size) {
    e.scaled = QImage(size, QImage::Format_RGB32);
    const std::vector<int> xs = ui::pictureSamples(e.original.width(), size.width());
    const std::vector<int> ys = ui::pictureSamples(e.original.height(), size.height());
    for (int y = 0; y < size.height(); ++y) {
      const auto* from = reinterpret_cast<const QRgb*>(e.original.constScanLine(ys[static_cast<size_t>(y)]));
      auto* to = reinterpret_cast<QRgb*>(e.scaled.scanLine(y));
      for (int x = 0; x < size.width(); ++x) to[x] = from[xs[static_cast<size_t>(x)]];
    }
  }
  return e.scaled;
}

// Fills up to this many pixels are written directly.
constexpr int kDirectPixels = 512;

}  // namespace

void replay(QPainter& p, const ui::PaintList& list, const QRect& clip) {
  // Fills go straight into a raster image; elsewhere runs of one colour (a
  // line's spans, a circle's rows) go to the paint engine as one call.
  std::vector<QRect> run;
  ui::Color runColour = 0;
  auto flush = [&] {
    if (run.empty()) return;
    p.setPen(Qt::NoPen);
    p.setBrush(colour(runColour));
    p.drawRects(run.data(), static_cast<int>(run.size()));
    run.clear();
  };
  const DirectFill direct(p, clip);
  const bool directly = direct.usable();
  const int cx0 = clip.left(), cy0 = clip.top(), cx1 = cx0 + clip.width(), cy1 = cy0 + clip.height();
  // Called for every span of every line: kept to plain integer steps.
  auto fill = [&](const ui::PaintItem& f, int dx, int dy) {
    const int x0 = std::max(f.rect.x + dx, cx0), x1 = std::min(f.rect.x + dx + f.rect.w, cx1);
    const int y0 = std::max(f.rect.y + dy, cy0), y1 = std::min(f.rect.y + dy + f.rect.h, cy1);
    if (x0 >= x1 || y0 >= y1) return;
    // Large fills are the paint engine's (it fills wide rows faster); the
    // many small ones, and the parts of large ones a small repaint needs,
    // are written directly.
    if (directly && (x1 - x0) * (y1 - y0) <= kDirectPixels) {
      flush();
      direct.fill(x0, y0, x1 - x0, y1 - y0, qRgb(ui::red(f.color), ui::green(f.color), ui::blue(f.color)));
      return;
    }
    if (!run.empty() && f.color != runColour) flush();
    runColour = f.color;
    run.emplace_back(x0, y0, x1 - x0, y1 - y0);
  };
  for (const ui::PaintItem& item : list.items()) {
    if (item.kind == ui::PaintItem::Fill) {
      fill(item, 0, 0);
      continue;
    }
    if (item.kind == ui::PaintItem::Stamped) {
      for (const ui::PaintItem& f : item.stamp->fills) fill(f, item.rect.x, item.rect.y);
      continue;
    }
    flush();
    switch (item.kind) {
      case ui::PaintItem::Text: drawText(p, list.text(item), clip); break;
      case ui::PaintItem::Image: {
        const QImage& img = picture(list.image(item), QSize(item.rect.w, item.rect.h));
        const QRect part = QRect(item.clip.x, item.clip.y, item.clip.w, item.clip.h) & clip;
        if (!part.isEmpty()) p.drawImage(part.topLeft(), img, part.translated(-item.rect.x, -item.rect.y));
        break;
      }
      case ui::PaintItem::Drawing:
        if (!directly || !direct.copy(*item.layer, clip)) copyLayer(p, *item.layer, clip);
        break;
      case ui::PaintItem::Fill:
      case ui::PaintItem::Stamped: break;
    }
  }
  flush();
}

}  // namespace zemlox::qt
