// The image host: frames applied to kept area pixels, composed on demand.
#include "tests/image/image_host.h"

#include <stdexcept>

#include "tests/image/bmp_file.h"
#include "ui/controls.h"
#include "ui/picture_scaling.h"

namespace image_test {
namespace {

ui::PxRect shifted(ui::PxRect r, int dx, int dy) { return {r.x + dx, r.y + dy, r.w, r.h}; }

// A layer's pixel in this host's byte order.
ui::Pixel rgba(ui::Pixel p, ui::ByteOrder order) {
  return order == ui::ByteOrder::Rgba ? p : ui::pixelOf(ui::colorOf(p, order));
}

}  // namespace

ImageHost::ImageHost(ui::Form& form)
    : form_(form), scene_(form.scene() ? *form.scene() : form.makeScene(ui::ByteOrder::Rgba)) {
  if (!follows()) {
    // Nothing of it shown here yet, whoever rendered it before.
    scene_.showAll();
    return;
  }
  // What the host shows now, as a newly shown window is painted whole; from
  // here on only what its frames repaint.
  form.app().setFrameTap([this](const ui::WindowChanges& c) {
    if (c.scene == &scene_) apply(c);
  });
  ui::WindowChanges now;
  for (size_t i = 0; i < scene_.areas().size(); ++i) {
    const ui::PxRect all{0, 0, scene_.areas()[i].rect.w, scene_.areas()[i].rect.h};
    ui::PaintList list;
    scene_.paint(i, all, list);
    repaint(i, list, {all}, all);
  }
  for (ui::Control* c : form.controls())
    if (c->isWidget()) widgets_[c] = {scene_.placeOf(*c), c->visible()};
}

ImageHost::~ImageHost() {
  if (follows()) form_.app().setFrameTap(nullptr);
}

bool ImageHost::follows() const { return form_.app().host() != nullptr; }

ui::PxRect ImageHost::placeOf(const ui::Control& c) const {
  const ui::PixelGrid& g = scene_.grid();
  ui::PxRect r = c.isWidget() ? g.areaRect(c.bounds()) : g.rect(c.bounds());
  for (const ui::Container* in = c.container(); in && in != &form_;) {
    const auto& holder = dynamic_cast<const ui::Control&>(*in);
    const ui::PxRect h = g.areaRect(holder.bounds());
    r = shifted(r, h.x, h.y);
    in = holder.container();
  }
  return r;
}

const ui::PixelBuffer& ImageHost::render(double zoom, double unit) {
  const ui::PixelGrid grid{zoom, unit};
  if (follows()) {
    if (!(grid == scene_.grid())) throw std::logic_error("the host shows the window at another zoom");
  } else {
    scene_.setGrid(grid);
    apply(scene_.take(true));
  }
  compose();
  return image_;
}

void ImageHost::apply(const ui::WindowChanges& changes) {
  for (const ui::WidgetChange& w : changes.widgets) widgets_[w.control] = {w.place, w.control->visible()};
  for (const ui::AreaPaint& p : changes.paints) repaint(p.area, *p.list, p.dirty, p.bounds);
}

// Like a canvas: the area's pixels kept, the list painted inside each dirty
// rectangle only; the text runs of the repainted part replaced.
void ImageHost::repaint(size_t area, const ui::PaintList& list, const std::vector<ui::PxRect>& dirty,
                        const ui::PxRect& bounds) {
  areas_.resize(scene_.areas().size());
  areaTexts_.resize(scene_.areas().size());
  ui::PixelBuffer& px = areas_[area];
  const ui::PxRect& size = scene_.areas()[area].rect;
  if (px.width() != size.w || px.height() != size.h) px.resize(size.w, size.h, ui::kClearPixel);
  for (const ui::PxRect& clip : dirty) replay(px, list, clip);
  // The runs the list names stand afresh; the others, not repainted, stay.
  std::vector<ui::TextRun>& texts = areaTexts_[area];
  std::erase_if(texts, [&](const ui::TextRun& t) { return t.box.intersects(bounds); });
  for (const ui::PaintItem& item : list.items())
    if (item.kind == ui::PaintItem::Text) {
      const ui::TextRun& run = list.text(item);
      std::erase_if(texts, [&](const ui::TextRun& t) { return t.box == run.box; });
      texts.push_back(run);
    }
}

void ImageHost::replay(ui::PixelBuffer& to, const ui::PaintList& list, const ui::PxRect& clip) {
  const ui::PxRect bounds = clip.intersected(to.rect());
  for (const ui::PaintItem& item : list.items()) {
    switch (item.kind) {
      case ui::PaintItem::Fill: to.fill(item.rect.intersected(bounds), ui::pixelOf(item.color)); break;
      case ui::PaintItem::Text: break;  // glyphs are the real hosts'
      case ui::PaintItem::Stamped:
        for (const ui::PaintItem& f : item.stamp->fills)
          to.fill(shifted(f.rect, item.rect.x, item.rect.y).intersected(bounds), ui::pixelOf(f.color));
        break;
      case ui::PaintItem::Image: {
        const std::string& name = list.image(item);
        auto found = pictures_.find(name);
        if (found == pictures_.end()) found = pictures_.emplace(name, readBundledBmp(name)).first;
        const ui::PixelBuffer& from = found->second;
        const std::vector<int> xs = ui::pictureSamples(from.width(), item.rect.w),
                               ys = ui::pictureSamples(from.height(), item.rect.h);
        const ui::PxRect part = item.clip.intersected(item.rect).intersected(bounds);
        for (int y = part.y; y < part.bottom(); ++y)
          for (int x = part.x; x < part.right(); ++x)
            to.fill({x, y, 1, 1}, from.at(xs[static_cast<size_t>(x - item.rect.x)], ys[static_cast<size_t>(y - item.rect.y)]));
        break;
      }
      case ui::PaintItem::Drawing: {
        // An opaque layer stands for the background too: copied as it is.
        // Any other is blended over what lies beneath.
        const ui::DrawingLayer& layer = *item.layer;
        const ui::PxRect part = layer.painted().intersected(bounds);
        if (part.empty()) break;
        ++copies_;
        for (int y = part.y; y < part.bottom(); ++y)
          for (int x = part.x; x < part.right(); ++x)
            if (const ui::Pixel p = layer.pixels().at(x, y); layer.opaque() || p != ui::kClearPixel)
              to.fill({x, y, 1, 1}, rgba(p, layer.order()));
        break;
      }
    }
  }
}

// Each area at its place in the window, a parent before its children, seen
// only inside its parent; a hidden area hides what lies in it.
void ImageHost::compose() {
  const std::vector<ui::WindowScene::Area>& areas = scene_.areas();
  areas_.resize(areas.size());
  areaTexts_.resize(areas.size());
  image_.resize(areas[0].rect.w, areas[0].rect.h, ui::kClearPixel);
  texts_.clear();
  std::vector<ui::PxRect> origin(areas.size()), seen(areas.size());
  std::vector<bool> shown(areas.size(), true);
  for (size_t i = 0; i < areas.size(); ++i) {
    const ui::WindowScene::Area& a = areas[i];
    origin[i] = {0, 0, a.rect.w, a.rect.h};
    seen[i] = origin[i];
    if (a.parent >= 0) {
      const auto parent = static_cast<size_t>(a.parent);
      const Shown& w = widgets_[a.control];
      shown[i] = shown[parent] && w.shown;
      origin[i] = shifted({w.place.x, w.place.y, a.rect.w, a.rect.h}, origin[parent].x, origin[parent].y);
      seen[i] = origin[i].intersected(seen[parent]);
    }
    if (!shown[i]) continue;
    const ui::PixelBuffer& px = areas_[i];
    const ui::PxRect part = seen[i].intersected(shifted(px.rect(), origin[i].x, origin[i].y));
    for (int y = part.y; y < part.bottom(); ++y)
      for (int x = part.x; x < part.right(); ++x) image_.fill({x, y, 1, 1}, px.at(x - origin[i].x, y - origin[i].y));
    for (const ui::TextRun& t : areaTexts_[i]) {
      ui::TextRun run = t;
      run.box = shifted(run.box, origin[i].x, origin[i].y);
      texts_.push_back(std::move(run));
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
