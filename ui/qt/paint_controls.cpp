// Label, shape and line painting: shapes and lines aliased on the pixel
// grid as the window system draws them, text antialiased at device size.
#include "ui/qt/paint_controls.h"

#include <QHash>
#include <cmath>
#include <utility>

#include "ui/controls.h"
#include "ui/qt/convert.h"

namespace zemlox::qt {
namespace {

ui::RectF rectOf(const ui::Control& c) { return ui::RectF{c.left(), c.top(), c.width(), c.height()}; }

bool finite(const ui::RectF& r) {
  return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) &&
         std::isfinite(r.height);
}

bool intersects(const ui::RectF& a, const ui::RectF& b) {
  return a.left <= b.right() && b.left <= a.right() && a.top <= b.bottom() && b.top <= a.bottom();
}

// The font a label is painted with at a scale, and how far bold is struck
// over: built once, since resolving a font costs more than drawing its text.
const std::pair<QFont, int>& labelFont(const ui::Font& f, double scale) {
  static QHash<QString, std::pair<QFont, int>> cache;
  const QString key = QStringLiteral("%1/%2/%3/%4")
                          .arg(QString::fromStdString(f.face))
                          .arg(static_cast<double>(f.size))
                          .arg(f.bold)
                          .arg(scale);
  auto it = cache.constFind(key);
  if (it == cache.constEnd()) {
    QFont font = deviceFont(f, scale);
    const int strike = boldOverstrike(font);
    if (strike) font.setBold(false);
    it = cache.insert(key, {font, strike});
  }
  return *it;
}

void paintLabel(QPainter& p, const PixelGrid& g, const ui::Label& l) {
  const ui::RectF t = rectOf(l);
  if (!finite(t)) return;
  const QRect r = g.rect(t);
  if (!l.transparent()) p.fillRect(r, toQColor(l.backColor()));
  const auto& [font, strike] = labelFont(l.font(), g.scale);
  p.setFont(font);
  p.setPen(toQColor(l.foreColor()));
  const QString text = QString::fromStdString(l.caption());
  constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  p.drawText(r, flags, text);
  for (int dx = 1; dx <= strike; ++dx) p.drawText(r.translated(dx, 0), flags, text);
}

void paintShape(QPainter& p, const PixelGrid& g, const ui::Shape& s) {
  const ui::RectF t = rectOf(s);
  if (!finite(t)) return;
  const QRect r = g.rect(t);
  if (r.isEmpty()) return;
  const int w = g.lineWidth(1);
  const QColor border = toQColor(s.borderColor());
  if (s.shape() == ui::ShapeKind::Circle) {
    QPen pen(border);
    pen.setCosmetic(true);
    pen.setWidth(w);
    p.setPen(pen);
    p.setBrush(s.filled() ? QBrush(toQColor(s.fillColor())) : QBrush(Qt::NoBrush));
    // Inset by half a pen width, the outline's outer pixels are the edges.
    const double h = w / 2.0;
    p.drawEllipse(QRectF(r.x() + h, r.y() + h, std::max(0.0, r.width() - 2 * h),
                         std::max(0.0, r.height() - 2 * h)));
    return;
  }
  if (s.filled()) p.fillRect(r.adjusted(w, w, -w, -w), toQColor(s.fillColor()));
  drawInnerBorder(p, r, border, w);
}

void paintLine(QPainter& p, const PixelGrid& g, const ui::Line& l) {
  if (!std::isfinite(l.x1()) || !std::isfinite(l.y1()) || !std::isfinite(l.x2()) ||
      !std::isfinite(l.y2()))
    return;
  drawExactLine(p, g, l.x1(), l.y1(), l.x2(), l.y2(), toQColor(l.color()), l.widthPixels(),
                l.style() == ui::LineStyle::Dot ? Qt::DotLine : Qt::SolidLine);
}

}  // namespace

void paintGraphics(QPainter& p, const PixelGrid& g, const ui::Container& c, GraphicLayer layer,
                   const ui::RectF& area) {
  for (const ui::Control* ctl : c.children()) {
    if (!ctl->visible() || ctl->isWidget() || !inLayer(ctl->kind(), layer)) continue;
    if (!intersects(area, ctl->bounds())) continue;
    switch (ctl->kind()) {
      case ui::ControlKind::Label: paintLabel(p, g, static_cast<const ui::Label&>(*ctl)); break;
      case ui::ControlKind::Shape: paintShape(p, g, static_cast<const ui::Shape&>(*ctl)); break;
      case ui::ControlKind::Line: paintLine(p, g, static_cast<const ui::Line&>(*ctl)); break;
      default: break;
    }
  }
}

}  // namespace zemlox::qt
