// Plain QPainter painting of a window's controls and drawings.
#include "bench/bare_scene.h"

#include <QApplication>
#include <cmath>

namespace bench {
namespace {

int px(float t) { return static_cast<int>(std::lround(t / 15)); }
int linePx(float t) { return static_cast<int>(std::floor(t / 15)); }

QColor colour(ui::Color c) {
  const ui::Color v = ui::resolve(c);
  return QColor(ui::red(v), ui::green(v), ui::blue(v));
}

QPen pen(ui::Color c, int width = 1) {
  QPen p(colour(c));
  p.setCosmetic(true);
  p.setWidth(width);
  return p;
}

}  // namespace

QRect BareScene::pixels(const ui::Control& c) {
  return QRect(QPoint(px(c.left()), px(c.top())), QPoint(px(c.left() + c.width()) - 1, px(c.top() + c.height()) - 1));
}

BareScene::BareScene(ui::Form& form) : form_(form) {
  const ui::WindowStyle& st = form.style();
  layers_.push_back({&form.surface(), QPoint(0, 0),
                     QImage(px(st.clientWidth), px(st.clientHeight), QImage::Format_ARGB32_Premultiplied)});
  for (ui::Control* c : form.children())
    if (c->kind() == ui::ControlKind::PictureBox) {
      auto& box = static_cast<ui::PictureBox&>(*c);
      const QRect r = pixels(box);
      layers_.push_back({&box.surface(), r.topLeft(), QImage(r.size(), QImage::Format_RGB32)});
    }
  for (Layer& l : layers_) {
    l.image.fill(Qt::transparent);
    l.surface->setSink(this);
  }
  for (size_t i = 1; i < layers_.size(); ++i)
    for (ui::Control* c : form.children())
      if (c->kind() == ui::ControlKind::PictureBox && &static_cast<ui::PictureBox*>(c)->surface() == layers_[i].surface)
        layers_[i].image.fill(colour(static_cast<ui::PictureBox*>(c)->backColor()));
}

BareScene::~BareScene() {
  for (Layer& l : layers_)
    if (l.surface->sink() == this) l.surface->setSink(nullptr);
}

BareScene::Layer& BareScene::layerOf(const ui::Surface& s) {
  for (Layer& l : layers_)
    if (l.surface == &s) return l;
  return layers_.front();
}

std::vector<QRect> BareScene::takeDrawn() { return std::exchange(drawn_, {}); }

void BareScene::clear(const ui::Surface& s) {
  Layer& l = layerOf(s);
  l.image.fill(l.image.hasAlphaChannel() ? QColor(Qt::transparent) : QColor(l.image.pixel(0, 0)));
  l.used = false;
  drawn_.push_back(QRect(l.origin, l.image.size()));
}

void BareScene::line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) {
  Layer& l = layerOf(s);
  QPainter p(&l.image);
  p.setPen(pen(c));
  const QLine ln(linePx(x1), linePx(y1), linePx(x2), linePx(y2));
  p.drawLine(ln);
  l.used = true;
  drawn_.push_back(QRect(ln.p1(), ln.p2()).normalized().adjusted(-1, -1, 1, 1).translated(l.origin) &
                   QRect(l.origin, l.image.size()));
}

void BareScene::circle(const ui::Surface& s, float cx, float cy, float r, ui::Color outline,
                       std::optional<ui::Color> fill) {
  Layer& l = layerOf(s);
  QPainter p(&l.image);
  p.setPen(pen(outline));
  p.setBrush(fill ? QBrush(colour(*fill)) : QBrush(Qt::NoBrush));
  const QRect box(QPoint(px(cx - r), px(cy - r)), QPoint(px(cx + r) - 1, px(cy + r) - 1));
  p.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
  l.used = true;
  drawn_.push_back(box.adjusted(-1, -1, 1, 1).translated(l.origin) & QRect(l.origin, l.image.size()));
}

const QFont& BareScene::fontOf(const ui::Label& l) {
  auto it = fonts_.constFind(&l);
  if (it != fonts_.constEnd()) return *it;
  QFont f = l.font().face.empty() ? QApplication::font() : QFont(QString::fromStdString(l.font().face));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(l.font().size * 4 / 3))));
  f.setBold(l.font().bold);
  return *fonts_.insert(&l, f);
}

void BareScene::paintContainer(QPainter& p, const ui::Container& c, QPoint origin, const QRect& area,
                               bool shapesOnly, bool skipShapes) {
  for (const ui::Control* ctl : c.children()) {
    if (!ctl->visible()) continue;
    const bool shape = ctl->kind() == ui::ControlKind::Shape;
    if ((shapesOnly && !shape) || (skipShapes && shape)) continue;
    switch (ctl->kind()) {
      case ui::ControlKind::Shape: {
        const auto& s = static_cast<const ui::Shape&>(*ctl);
        const QRect r = pixels(s).translated(origin);
        if (!r.intersects(area)) break;
        p.setPen(pen(s.borderColor()));
        p.setBrush(s.filled() ? QBrush(colour(s.fillColor())) : QBrush(Qt::NoBrush));
        if (s.shape() == ui::ShapeKind::Circle)
          p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        else
          p.drawRect(r.adjusted(0, 0, -1, -1));
        break;
      }
      case ui::ControlKind::Line: {
        const auto& l = static_cast<const ui::Line&>(*ctl);
        const QLine ln = QLine(linePx(l.x1()), linePx(l.y1()), linePx(l.x2()), linePx(l.y2())).translated(origin);
        if (!QRect(ln.p1(), ln.p2()).normalized().adjusted(-2, -2, 2, 2).intersects(area)) break;
        QPen lp = pen(l.color(), l.widthPixels());
        if (l.style() == ui::LineStyle::Dot) lp.setStyle(Qt::DotLine);
        p.setPen(lp);
        p.drawLine(ln);
        break;
      }
      case ui::ControlKind::Label: {
        const auto& l = static_cast<const ui::Label&>(*ctl);
        const QRect r = pixels(l).translated(origin);
        if (!r.intersects(area)) break;
        if (!l.transparent()) p.fillRect(r, colour(l.backColor()));
        p.setFont(fontOf(l));
        p.setPen(colour(l.foreColor()));
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(l.caption()));
        break;
      }
      default:
        break;
    }
  }
}

void BareScene::paint(QPainter& p, const QRect& area) {
  p.save();
  p.setClipRect(area);
  p.fillRect(area, colour(form_.style().backColor));
  paintContainer(p, form_, QPoint(0, 0), area, true, false);
  const Layer& top = layers_.front();
  if (top.used) p.drawImage(area.topLeft(), top.image, area);
  paintContainer(p, form_, QPoint(0, 0), area, false, true);
  for (size_t i = 1; i < layers_.size(); ++i) {
    const Layer& l = layers_[i];
    const QRect box(l.origin, l.image.size());
    const QRect part = box & area;
    if (part.isEmpty()) continue;
    p.drawImage(part.topLeft(), l.image, part.translated(-l.origin));
    for (ui::Control* c : form_.children())
      if (c->kind() == ui::ControlKind::PictureBox &&
          &static_cast<ui::PictureBox*>(c)->surface() == l.surface)
        paintContainer(p, *static_cast<ui::PictureBox*>(c), l.origin, part, false, false);
  }
  p.restore();
}

}  // namespace bench
