// The image host: paint lists replayed into a pixel buffer.
#include "tests/image/image_host.h"

#include <cmath>
#include <stdexcept>

#include "tests/image/bmp_file.h"
#include "ui/controls.h"
#include "ui/picture_scaling.h"

namespace image_test {
namespace {

ui::PxRect shifted(ui::PxRect r, int dx, int dy) { return {r.x + dx, r.y + dy, r.w, r.h}; }

}  // namespace

// A surface's layer here, passing every drawing on to the sink it replaced.
class ImageHost::Layer : public ui::DrawingLayer {
 public:
  Layer(ui::Surface& s, std::optional<ui::Color> background) : surface(&s), next(s.sink()) {
    setBackground(background);
    s.setSink(this);
  }
  void clear(const ui::Surface& s) override {
    DrawingLayer::clear(s);
    if (next) next->clear(s);
  }
  void line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) override {
    DrawingLayer::line(s, x1, y1, x2, y2, c);
    if (next) next->line(s, x1, y1, x2, y2, c);
  }
  void circle(const ui::Surface& s, float cx, float cy, float r, ui::Color outline,
              std::optional<ui::Color> fill) override {
    DrawingLayer::circle(s, cx, cy, r, outline, fill);
    if (next) next->circle(s, cx, cy, r, outline, fill);
  }
  ui::Surface* surface;
  ui::SurfaceSink* next;
};

ImageHost::ImageHost(ui::Form& form) : form_(form), frame_(form, nullptr) {
  auto attach = [&](ui::Surface& s, std::optional<ui::Color> background) {
    layers_.push_back(std::make_unique<Layer>(s, background));
  };
  attach(form.surface(), std::nullopt);
  for (ui::Control* c : form.controls())
    if (c->kind() == ui::ControlKind::PictureBox) {
      auto& box = static_cast<ui::PictureBox&>(*c);
      attach(box.surface(), box.picture().empty() ? std::optional(box.backColor()) : std::nullopt);
    }
  for (size_t i = 0; i < frame_.areas().size(); ++i)
    if (const ui::Surface* s = frame_.surfaceOf(i)) frame_.setLayer(i, &layerOf(*s));
}

ImageHost::~ImageHost() {
  for (auto& l : layers_)
    if (l->surface->sink() == l.get()) l->surface->setSink(l->next);
}

ui::DrawingLayer& ImageHost::layerOf(const ui::Surface& s) {
  for (auto& l : layers_)
    if (l->surface == &s) return *l;
  throw std::logic_error("a surface this host never saw");
}

ui::PxRect ImageHost::placeOf(const ui::Control& c) const {
  ui::PxRect r = c.isWidget() ? grid_.areaRect(c.bounds()) : grid_.rect(c.bounds());
  for (const ui::Container* in = c.container(); in && in != &form_;) {
    const auto& holder = dynamic_cast<const ui::Control&>(*in);
    const ui::PxRect h = grid_.areaRect(holder.bounds());
    r = shifted(r, h.x, h.y);
    in = holder.container();
  }
  return r;
}

const ui::PixelBuffer& ImageHost::render(double zoom, double unit) {
  grid_ = ui::PixelGrid{zoom, unit};
  frame_.setGrid(grid_);
  const std::vector<ui::FormFrame::Area>& areas = frame_.areas();
  image_.resize(areas[0].rect.w, areas[0].rect.h, ui::kClearPixel);
  texts_.clear();
  // Each area at its place in the window, a parent before its children; a
  // hidden area hides what lies in it.
  std::vector<ui::PxRect> at(areas.size());
  std::vector<bool> shown(areas.size(), true);
  for (size_t i = 0; i < areas.size(); ++i) {
    const ui::FormFrame::Area& a = areas[i];
    frame_.takeDirty(i);
    at[i] = a.rect;
    if (a.parent >= 0) {
      const auto parent = static_cast<size_t>(a.parent);
      shown[i] = shown[parent] && a.control->visible();
      at[i] = shifted(a.rect, at[parent].x, at[parent].y);
    }
    if (!shown[i]) continue;
    if (a.layer) a.layer->setGrid(grid_, a.rect.w, a.rect.h);
    ui::PaintList list;
    frame_.paint(i, {0, 0, a.rect.w, a.rect.h}, list);
    replay(list, at[i].x, at[i].y, at[i]);
  }
  return image_;
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
      case ui::PaintItem::Stamped:
        for (const ui::PaintItem& f : item.stamp->fills)
          image_.fill(shifted(f.rect, dx + item.rect.x, dy + item.rect.y).intersected(bounds), ui::pixelOf(f.color));
        break;
      case ui::PaintItem::Image: {
        const std::string& name = list.image(item);
        auto found = pictures_.find(name);
        if (found == pictures_.end()) found = pictures_.emplace(name, readBundledBmp(name)).first;
        const ui::PixelBuffer& from = found->second;
        const ui::PxRect to = shifted(item.rect, dx, dy);
        const std::vector<int> xs = ui::pictureSamples(from.width(), to.w), ys = ui::pictureSamples(from.height(), to.h);
        const ui::PxRect part = shifted(item.clip, dx, dy).intersected(to).intersected(bounds);
        for (int y = part.y; y < part.bottom(); ++y)
          for (int x = part.x; x < part.right(); ++x)
            image_.fill({x, y, 1, 1}, from.at(xs[static_cast<size_t>(x - to.x)], ys[static_cast<size_t>(y - to.y)]));
        break;
      }
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
