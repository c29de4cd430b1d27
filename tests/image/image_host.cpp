// The image host: paint lists replayed into a pixel buffer.
#include "tests/image/image_host.h"

#include <cmath>

#include "ui/controls.h"
#include "ui/paint_areas.h"

namespace image_test {
namespace {

// The frame caption font, 9 pt: its middle is where the etched edge runs.
constexpr float kCaptionPoints = 9;

ui::PxRect shifted(ui::PxRect r, int dx, int dy) { return {r.x + dx, r.y + dy, r.w, r.h}; }

}  // namespace

ImageHost::ImageHost(ui::Form& form) : form_(form) {
  auto attach = [&](ui::Surface& s, std::optional<ui::Color> background) {
    auto layer = std::make_unique<ui::DrawingLayer>();
    layer->setBackground(background);
    s.setSink(layer.get());
    layers_.push_back({&s, std::move(layer)});
  };
  attach(form.surface(), std::nullopt);
  for (ui::Control* c : form.controls())
    if (c->kind() == ui::ControlKind::PictureBox) {
      auto& box = static_cast<ui::PictureBox&>(*c);
      attach(box.surface(), box.picture().empty() ? std::optional(box.backColor()) : std::nullopt);
    }
}

ImageHost::~ImageHost() {
  for (Layer& l : layers_)
    if (l.surface->sink() == l.layer.get()) l.surface->setSink(nullptr);
}

ui::DrawingLayer& ImageHost::layerOf(const ui::Surface& s) {
  for (Layer& l : layers_)
    if (l.surface == &s) return *l.layer;
  throw std::logic_error("a surface this host never saw");
}

ui::PxRect ImageHost::placeOf(const ui::Control& c) const {
  ui::PxRect r = grid_.rect(c.bounds());
  for (const ui::Container* in = c.container(); in && in != &form_;) {
    const auto& holder = dynamic_cast<const ui::Control&>(*in);
    const ui::PxRect h = grid_.rect({holder.left(), holder.top(), holder.width(), holder.height()});
    r = shifted(r, h.x, h.y);
    in = holder.container();
  }
  return r;
}

const ui::PixelBuffer& ImageHost::render(double zoom) {
  grid_ = ui::PixelGrid{zoom};
  const ui::PxRect size = grid_.rect({0, 0, form_.style().clientWidth, form_.style().clientHeight});
  image_.resize(size.w, size.h, ui::kClearPixel);
  texts_.clear();
  ui::DrawingLayer& own = layerOf(form_.surface());
  own.setGrid(grid_, size.w, size.h);
  ui::PaintList list;
  ui::paintForm(list, form_, own, grid_, size);
  replay(list, 0, 0, size);
  paintArea(form_, 0, 0);
  return image_;
}

void ImageHost::paintArea(const ui::Container& c, int dx, int dy) {
  for (const ui::Control* ctl : c.children()) {
    if (!ctl->visible() || !ctl->isWidget()) continue;
    const ui::PxRect r = grid_.rect({ctl->left(), ctl->top(), ctl->width(), ctl->height()});
    const ui::PxRect size{0, 0, r.w, r.h}, at = shifted(r, dx, dy);
    ui::PaintList list;
    if (ctl->kind() == ui::ControlKind::PictureBox) {
      auto& box = static_cast<const ui::PictureBox&>(*ctl);
      ui::DrawingLayer& layer = layerOf(box.surface());
      layer.setGrid(grid_, r.w, r.h);
      ui::paintPictureBox(list, box, layer, grid_, size, size);
    } else if (ctl->kind() == ui::ControlKind::Frame) {
      const int middle = static_cast<int>(std::lround(kCaptionPoints * 4.0 / 3.0 * grid_.scale / 2));
      ui::paintFrame(list, static_cast<const ui::Frame&>(*ctl), grid_, size, middle, size);
    } else {
      continue;  // buttons and lists are the hosts' own widgets
    }
    replay(list, at.x, at.y, at);
    paintArea(dynamic_cast<const ui::Container&>(*ctl), at.x, at.y);
  }
}

void ImageHost::replay(const ui::PaintList& list, int dx, int dy, const ui::PxRect& clip) {
  const ui::PxRect bounds = clip.intersected(image_.rect());
  for (const ui::PaintItem& item : list.items()) {
    switch (item.kind) {
      case ui::PaintItem::Fill: {
        image_.fill(shifted(item.rect, dx, dy).intersected(bounds), ui::pixelOf(item.color));
        break;
      }
      case ui::PaintItem::Text: {
        ui::TextRun run = list.text(item);
        run.box = shifted(run.box, dx, dy);
        texts_.push_back(std::move(run));
        break;
      }
      case ui::PaintItem::Image: break;  // pictures are decoded by the real hosts
      case ui::PaintItem::Drawing: {
        const ui::PixelBuffer& px = item.layer->pixels();
        const ui::PxRect part = shifted(item.layer->painted(), dx, dy).intersected(bounds);
        for (int y = part.y; y < part.bottom(); ++y)
          for (int x = part.x; x < part.right(); ++x)
            if (const ui::Pixel p = px.at(x - dx, y - dy); p != ui::kClearPixel) image_.fill({x, y, 1, 1}, p);
        break;
      }
    }
  }
}

int countPixels(const ui::PixelBuffer& img, const ui::PxRect& r, ui::Color c) {
  const ui::PxRect part = r.intersected(img.rect());
  int n = 0;
  for (int y = part.y; y < part.bottom(); ++y)
    for (int x = part.x; x < part.right(); ++x) n += img.at(x, y) == ui::pixelOf(c);
  return n;
}

}  // namespace image_test
