// The floor the host's frames are measured against: a window's controls and
// drawings painted by plain QPainter calls into one image, only where a
// hand-written program would know to repaint. No widgets, no dirty tracking,
// no events: what any Qt program must at least spend.
#pragma once

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <memory>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/surface.h"

namespace bench {

class BareScene : public ui::SurfaceSink {
 public:
  // Takes over the drawing surfaces of the window and its picture boxes.
  explicit BareScene(ui::Form& form);
  ~BareScene() override;

  // Paints the window's part inside `area` (pixels of the window).
  void paint(QPainter& p, const QRect& area);
  // Areas where drawings landed since the last call.
  std::vector<QRect> takeDrawn();
  // The pixels of a control of the window.
  static QRect pixels(const ui::Control& c);

  void clear(const ui::Surface& s) override;
  void line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) override;
  void circle(const ui::Surface& s, float cx, float cy, float r, ui::Color outline,
              std::optional<ui::Color> fill) override;

 private:
  struct Layer {
    ui::Surface* surface;
    QPoint origin;  // in the window, pixels
    QImage image;
    bool used = false;  // drawn on since the last clear
  };
  Layer& layerOf(const ui::Surface& s);
  void paintContainer(QPainter& p, const ui::Container& c, QPoint origin, const QRect& area, bool shapesOnly,
                      bool skipShapes);
  const QFont& fontOf(const ui::Label& l);

  ui::Form& form_;
  std::vector<Layer> layers_;
  std::vector<QRect> drawn_;
  QHash<const ui::Label*, QFont> fonts_;
};

}  // namespace bench
