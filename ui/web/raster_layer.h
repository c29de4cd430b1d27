// A drawing surface's layer in the browser: the window layer rasterises the
// drawings into its pixel buffer; this copies the pixels that changed onto
// an offscreen canvas once a frame, which the area's canvas then shows.
#pragma once

#include <functional>

#include "ui/drawing_layer.h"
#include "ui/web/raster.h"

namespace zemlox::web {

class RasterLayer : public ui::DrawingLayer {
 public:
  // `dirty` is told the device-pixel area each drawing touches.
  explicit RasterLayer(std::function<void(const Span&)> dirty);
  ~RasterLayer() override;
  RasterLayer(const RasterLayer&) = delete;
  RasterLayer& operator=(const RasterLayer&) = delete;

  // A new size or scale: the canvas is remade and the drawings redrawn.
  void resize(const Scale& scale, int w, int h);
  // Copies the pixels changed since the last call onto the canvas.
  void flush();
  int id() const { return id_; }

 private:
  void changed(const Span& s);

  std::function<void(const Span&)> dirty_;
  int id_;
  Span pending_;
};

}  // namespace zemlox::web
