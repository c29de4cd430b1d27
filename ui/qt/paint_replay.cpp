// Paint list replay on a QPainter.
#include "ui/qt/paint_replay.h"

#include <QHash>
#include <QGlyphRun>
#include <QImage>
#include <QTextLayout>
#include <vector>

#include "ui/drawing_layer.h"
#include "ui/qt/convert.h"
#include "ui/qt/direct_fill.h"
#include "ui/qt/raster_layer.h"

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
// baseline.
const QList<QGlyphRun>& shaped(const std::string& face, int sizePx, const std::string& line) {
  static QHash<QString, QList<QGlyphRun>> cache;
  const QString s = QString::fromStdString(line);
  const QString key = QStringLiteral("%1/%2/").arg(QString::fromStdString(face)).arg(sizePx) + s;
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  QTextLayout layout(s, fontFor(face, sizePx));
  layout.beginLayout();
  QTextLine l = layout.createLine();
  l.setNumColumns(static_cast<int>(s.size()));
  layout.endLayout();
  QList<QGlyphRun> runs = l.glyphRuns();
  const QPointF up(0, l.ascent());
  for (QGlyphRun& r : runs) {
    QList<QPointF> at = r.positions();
    for (QPointF& q : at) q -= up;
    r.setPositions(at);
  }
  return *cache.insert(key, runs);
}

// Each line at its baseline, clipped to the label as a label clips its text.
void drawText(QPainter& p, const ui::TextRun& run) {
  p.save();
  p.setClipRect(QRect(run.box.x, run.box.y, run.box.w, run.box.h), Qt::IntersectClip);
  p.setPen(colour(run.color));
  for (size_t k = 0; k < run.lines.size(); ++k) {
    const int y = run.box.y + run.baseline + static_cast<int>(k) * run.lineStep;
    if (y - run.baseline >= run.box.bottom()) break;
    const QList<QGlyphRun>& glyphs = shaped(run.face, run.sizePx, run.lines[k]);
    for (int dx = 0; dx <= run.strike; ++dx)
      for (const QGlyphRun& g : glyphs) p.drawGlyphRun(QPointF(run.box.x + dx, y), g);
  }
  p.restore();
}

// A picture scaled to the size given, smoothed once per size.
const QImage& picture(const std::string& resource, const QSize& size) {
  struct Entry { QImage original, scaled; };
  static QHash<QString, Entry> cache;
  Entry& e = cache[QString::fromStdString(resource)];
  if (e.original.isNull()) e.original = QImage(QString::fromStdString(resource));
  if (size == e.original.size() || e.original.isNull()) return e.original;
  if (e.scaled.size() != size) e.scaled = e.original.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
  auto fill = [&](const ui::PaintItem& f, int dx, int dy) {
    // Large fills are the paint engine's (it fills wide rows faster); the
    // many small ones are written directly, clipped there.
    if (direct.usable() && f.rect.w * f.rect.h <= kDirectPixels) {
      flush();
      direct.fill(f.rect.x + dx, f.rect.y + dy, f.rect.w, f.rect.h, qRgb(ui::red(f.color), ui::green(f.color), ui::blue(f.color)));
      return;
    }
    const QRect r = QRect(f.rect.x + dx, f.rect.y + dy, f.rect.w, f.rect.h) & clip;
    if (r.isEmpty()) return;
    if (!run.empty() && f.color != runColour) flush();
    runColour = f.color;
    run.push_back(r);
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
      case ui::PaintItem::Text: drawText(p, list.text(item)); break;
      case ui::PaintItem::Image: {
        const QImage& img = picture(list.image(item), QSize(item.rect.w, item.rect.h));
        const QRect part = QRect(item.clip.x, item.clip.y, item.clip.w, item.clip.h) & clip;
        if (!part.isEmpty()) p.drawImage(part.topLeft(), img, part.translated(-item.rect.x, -item.rect.y));
        break;
      }
      case ui::PaintItem::Drawing: copyLayer(p, *item.layer, clip); break;
      case ui::PaintItem::Fill:
      case ui::PaintItem::Stamped: break;
    }
  }
  flush();
}

}  // namespace zemlox::qt
