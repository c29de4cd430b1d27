// Paint lists to draw lists.
#include "ui/web/to_draw_list.h"

#include <algorithm>
#include <unordered_map>

#include "ui/font.h"
#include "ui/paint_areas.h"
#include "ui/web/dom.h"

namespace zemlox::web {
namespace {

// The picture a picture box names, as a file of the site. The site carries
// each bitmap as a PNG of the same pixels, a sixth of the bytes.
std::string pictureUrl(const std::string& resource) {
  std::string url = resource.rfind(":/", 0) == 0 ? resource.substr(2) : resource;
  if (url.size() > 4 && url.compare(url.size() - 4, 4, ".bmp") == 0) url.replace(url.size() - 4, 4, ".png");
  return url;
}

Face faceOf(const std::string& name) { return ui::typefaceOf(name); }

// A stamp drawn once onto a canvas of its own, then copied where it stands:
// a row of particles costs one copy each a frame. Kept by the stamp's serial,
// which no later stamp reuses. A page fitted in hundredths makes new stamps
// on every resize: once as many canvases are kept as the window layer keeps
// stamps, they are retired together, and removed at the next retirement, so
// a draw list being built may still copy them.
struct Sprites {
  std::unordered_map<unsigned long long, int> kept, retired;
};

int spriteOf(const ui::Stamp& stamp) {
  static Sprites sprites;
  if (auto it = sprites.kept.find(stamp.serial); it != sprites.kept.end()) return it->second;
  if (auto it = sprites.retired.find(stamp.serial); it != sprites.retired.end()) {
    const int id = it->second;
    sprites.retired.erase(it);
    sprites.kept.emplace(stamp.serial, id);
    return id;
  }
  if (sprites.kept.size() >= ui::kMostStamps) {
    for (const auto& [serial, id] : sprites.retired) dom::remove(id);
    sprites.retired = std::move(sprites.kept);
    sprites.kept.clear();
  }
  const int id = dom::create(dom::Kind::Layer, 0);
  dom::resizeCanvas(id, std::max(1, stamp.w), std::max(1, stamp.h));
  DrawList sprite;
  for (const ui::PaintItem& f : stamp.fills) {
    sprite.colour(f.color);
    sprite.rect(f.rect);
  }
  sprite.replayOn(id);
  sprites.kept.emplace(stamp.serial, id);
  return id;
}

}  // namespace

void toDrawList(DrawList& dl, const ui::PaintList& list, const std::vector<Span>& dirty,
                const LayerCanvas& layerCanvas) {
  for (const ui::PaintItem& item : list.items()) {
    switch (item.kind) {
      case ui::PaintItem::Fill:
        dl.colour(item.color);
        dl.rect(item.rect);
        break;
      case ui::PaintItem::Text: {
        const ui::TextRun& run = list.text(item);
        dl.colour(run.color);
        dl.text(run.box, run.sizePx, faceOf(run.face), run.strike, run.lines, run.baseline, run.lineStep);
        break;
      }
      case ui::PaintItem::Image:
        dl.clip({item.clip});
        dl.image(pictureUrl(list.image(item)), item.rect);
        dl.unclip();
        break;
      case ui::PaintItem::Stamped: dl.layer(spriteOf(*item.stamp), item.rect.x, item.rect.y); break;
      case ui::PaintItem::Drawing: {
        const ui::DrawingLayer& layer = *item.layer;
        const ui::PixelBuffer& px = layer.pixels();
        if (layer.opaque()) {
          // It holds the background too: its pixels go onto the area as
          // they are, copied once.
          for (const Span& s : dirty)
            dl.pixels(px.data(), px.width(), px.height(), s.intersected(px.rect()));
          break;
        }
        // Drawn over what lies below it: through its own canvas, where it
        // has drawings in the repainted part.
        bool reached = false;
        for (const Span& s : dirty) reached = reached || s.intersects(layer.painted());
        if (!reached || !layerCanvas) break;
        if (const int id = layerCanvas(layer)) dl.layer(id, 0, 0);
        break;
      }
    }
  }
}

}  // namespace zemlox::web
