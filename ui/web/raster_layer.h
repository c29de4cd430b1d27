// A drawing surface's layer in the browser: the window layer rasterises the
// drawings into its pixel buffer. An opaque layer's pixels go straight onto
// the area's canvas; one drawn over other things is copied onto an offscreen
// canvas, which the area's canvas then draws.
#pragma once

#include <functional>

#include "ui/drawing_layer.h"
#include "ui/web/device_scale.h"

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
  // Copies the pixels changed since the last call onto its canvas (only a
  // layer drawn over other things uses it).
  void flush() const;
  int id() const { return id_; }

 private:
  void changed(const Span& s);

  std::function<void(const Span&)> dirty_;
  int id_;
  mutable Span pending_;
};

}  // namespace zemlox::web
