// Label, shape and line painting.
#include "ui/qt/paint_controls.h"

#include <cmath>

#include "ui/controls.h"
#include "ui/qt/circle_sprites.h"
#include "ui/qt/convert.h"

namespace zemlox::qt {
namespace {

QRectF rectOf(const ui::Control& c) { return QRectF(c.left(), c.top(), c.width(), c.height()); }

bool finite(const QRectF& r) {
  return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
         std::isfinite(r.height());
}

QPen cosmeticPen(ui::Color c, int widthPx, ui::LineStyle style = ui::LineStyle::Solid) {
  QPen pen(toQColor(c));
  pen.setCosmetic(true);
  pen.setWidth(widthPx);
  if (style == ui::LineStyle::Dot) pen.setStyle(Qt::DotLine);
  return pen;
}

void paintLabel(QPainter& p, const ui::Label& l) {
  QRectF r = rectOf(l);
  if (!finite(r)) return;
  if (!l.transparent()) p.fillRect(r, toQColor(l.backColor()));
  p.setFont(paintFont(l.font()));
  p.setPen(toQColor(l.foreColor()));
  p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QString::fromStdString(l.caption()));
}

void paintShape(QPainter& p, const ui::Shape& s) {
  if (!finite(rectOf(s))) return;
  // Drawn in device pixels: the rasteriser's ellipse path is several times
  // faster without a scaling transform, and the result is the same.
  const QTransform toDevice = p.transform();
  const QRectF r = toDevice.mapRect(rectOf(s));
  p.setTransform(QTransform());
  p.setPen(cosmeticPen(s.borderColor(), 1));
  p.setBrush(s.filled() ? QBrush(toQColor(s.fillColor())) : QBrush(Qt::NoBrush));
  if (s.shape() == ui::ShapeKind::Circle) {
    const QColor fill = toQColor(s.fillColor());
    drawCircleSprite(p, r, toQColor(s.borderColor()), s.filled() ? &fill : nullptr);
  } else {
    p.drawRect(r);
  }
  p.setTransform(toDevice);
}

void paintLine(QPainter& p, const ui::Line& l) {
  if (!std::isfinite(l.x1()) || !std::isfinite(l.y1()) || !std::isfinite(l.x2()) ||
      !std::isfinite(l.y2()))
    return;
  p.setPen(cosmeticPen(l.color(), l.widthPixels(), l.style()));
  p.drawLine(QPointF(l.x1(), l.y1()), QPointF(l.x2(), l.y2()));
}

bool inLayer(ui::ControlKind k, GraphicLayer layer) {
  switch (layer) {
    case GraphicLayer::All: return true;
    case GraphicLayer::Shapes: return k == ui::ControlKind::Shape;
    case GraphicLayer::LinesAndLabels: return k != ui::ControlKind::Shape;
  }
  return false;
}

}  // namespace

void paintGraphics(QPainter& p, const ui::Container& c, GraphicLayer layer, const QRectF& area) {
  for (const ui::Control* ctl : c.children()) {
    if (!ctl->visible() || ctl->isWidget() || !inLayer(ctl->kind(), layer)) continue;
    const ui::RectF b = ctl->bounds();
    if (!area.intersects(QRectF(b.left, b.top, b.width, b.height))) continue;
    switch (ctl->kind()) {
      case ui::ControlKind::Label: paintLabel(p, static_cast<const ui::Label&>(*ctl)); break;
      case ui::ControlKind::Shape: paintShape(p, static_cast<const ui::Shape&>(*ctl)); break;
      case ui::ControlKind::Line: paintLine(p, static_cast<const ui::Line&>(*ctl)); break;
      default: break;
    }
  }
}

}  // namespace zemlox::qt
