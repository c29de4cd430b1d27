// A drawing surface's raster layer in the browser: an offscreen canvas at
// device resolution that every line and circle is drawn into the moment the
// window draws it (batched until the next frame). The operations since the
// last clear are kept so the layer can be drawn afresh, sharp, at a new zoom.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ui/surface.h"
#include "ui/web/draw_list.h"
#include "ui/web/raster.h"

namespace zemlox::web {

class RasterLayer : public ui::SurfaceSink {
 public:
  // `dirty` is told the device-pixel area each drawing touches.
  explicit RasterLayer(std::function<void(const Span&)> dirty);
  ~RasterLayer() override;
  RasterLayer(const RasterLayer&) = delete;
  RasterLayer& operator=(const RasterLayer&) = delete;

  // A new size or scale: the canvas is remade and the drawings redrawn.
  void resize(const Scale& scale, int w, int h);
  void clear(const ui::Surface& s) override;
  void line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) override;
  void circle(const ui::Surface& s, float cx, float cy, float r, ui::Color outline,
              std::optional<ui::Color> fill) override;

  // Puts the drawings made since the last call onto the canvas.
  void flush();
  int id() const { return id_; }

 private:
  struct Drawing {
    bool circle;
    float a, b, c, d;  // line ends, or centre and radius
    ui::Color colour;
    std::optional<ui::Color> fill;
  };
  void draw(const Drawing& d);

  std::function<void(const Span&)> dirty_;
  int id_;
  Scale scale_;
  int w_ = 0, h_ = 0;
  std::vector<Drawing> drawn_;
  DrawList pending_;
};

}  // namespace zemlox::web
