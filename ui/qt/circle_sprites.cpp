// Circle sprite cache.
#include "ui/qt/circle_sprites.h"

#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <cmath>

namespace zemlox::qt {
namespace {

constexpr int kSubsteps = 4;          // quarter-pixel positions
constexpr qsizetype kMaxSprites = 1024;

struct Key {
  int diameter4, fx, fy, dpr4;
  QRgb border, fill;
  bool filled;
  bool operator==(const Key&) const = default;
};

size_t qHash(const Key& k, size_t seed = 0) {
  return qHashMulti(seed, k.diameter4, k.fx, k.fy, k.dpr4, k.border, k.fill, k.filled);
}

QImage render(const Key& k, double d, double dpr) {
  const int side = static_cast<int>(std::ceil((d + 3) * dpr));
  QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen{QColor::fromRgb(k.border)};
  pen.setCosmetic(true);
  pen.setWidth(1);
  p.setPen(pen);
  p.setBrush(k.filled ? QBrush(QColor::fromRgb(k.fill)) : QBrush(Qt::NoBrush));
  p.drawEllipse(QRectF(1.0 + static_cast<double>(k.fx) / kSubsteps,
                       1.0 + static_cast<double>(k.fy) / kSubsteps, d, d));
  return img;
}

}  // namespace

void drawCircleSprite(QPainter& p, const QRectF& r, const QColor& border, const QColor* fill) {
  const double d = std::min(r.width(), r.height());
  const double x = r.center().x() - d / 2, y = r.center().y() - d / 2;
  const double dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
  if (d <= 0 || d > 256 || !std::isfinite(x) || !std::isfinite(y)) {
    p.setPen(border);
    p.setBrush(fill ? QBrush(*fill) : QBrush(Qt::NoBrush));
    p.drawEllipse(QRectF(x, y, d, d));
    return;
  }
  const double fx = std::floor(x), fy = std::floor(y);
  const Key k{static_cast<int>(std::lround(d * kSubsteps)),
              static_cast<int>(std::lround((x - fx) * kSubsteps)) % kSubsteps,
              static_cast<int>(std::lround((y - fy) * kSubsteps)) % kSubsteps,
              static_cast<int>(std::lround(dpr * 4)),
              border.rgb(),
              fill ? fill->rgb() : 0u,
              fill != nullptr};
  static QHash<Key, QImage> cache;
  auto it = cache.constFind(k);
  if (it == cache.constEnd()) {
    if (cache.size() >= kMaxSprites) cache.clear();
    it = cache.insert(k, render(k, static_cast<double>(k.diameter4) / kSubsteps, dpr));
  }
  // Rounding up to the next quarter may carry into the next whole pixel.
  const double carryX = std::lround((x - fx) * kSubsteps) == kSubsteps ? 1 : 0;
  const double carryY = std::lround((y - fy) * kSubsteps) == kSubsteps ? 1 : 0;
  p.drawImage(QPointF(fx + carryX - 1, fy + carryY - 1), *it);
}

}  // namespace zemlox::qt
