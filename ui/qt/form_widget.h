// One top-level widget per loaded window: builds Qt widgets for buttons,
// frames, combo boxes and picture boxes, hands the window layer's frame to
// them (repaints where it is dirty, the paint list of each area), says when
// it is shown, hidden or minimised, and forwards input.
#pragma once

#include <QHash>
#include <vector>
#include <QMargins>
#include <functional>
#include <QWidget>
#include <memory>

#include "ui/form.h"
#include "ui/form_frame.h"
#include "ui/qt/pixel_grid.h"
#include "ui/qt/raster_layer.h"
#include "ui/qt/touch_input.h"

namespace zemlox::qt {

class AccessLayer;

class FormWidget : public QWidget, public ui::FormView {
 public:
  // `zoom`: logical pixels per layout pixel.
  FormWidget(ui::Form& form, double zoom);
  ~FormWidget() override;

  // Called when the window unloads: stops everything that reaches back
  // into ui/, hides, and deletes itself once control returns to Qt.
  void detach();
  // Shows the window centred on its screen with a frame of `frame` around
  // it, the frame wholly inside the screen's available area where it fits.
  void showCentered(const QMargins& frame);
  // Lays the window and everything in it out again at a new zoom, redraws
  // its drawings at the new scale and centres it on its screen again.
  void setZoom(double zoom, const QMargins& frame);
  // Whether the window with a frame of `frame` would fit inside its
  // screen's available area at `zoom`.
  bool fitsScreen(double zoom, const QMargins& frame) const;
  // The frame the window system drew around the shown window.
  QMargins frame() const;
  double zoom() const { return zoom_; }
  ui::Form* form() const { return form_; }
  QWidget* widgetFor(const ui::Control& c) const { return widgets_.value(&c); }
  QWidget* containerWidget(const ui::Container& c) const;
  ui::FormFrame& formFrame() { return *frame_; }
  // Paints one area of the frame on its widget.
  void paintArea(size_t area, QWidget& w, const QPaintEvent& e);
  // Device pixels as the logical pixels Qt places and repaints in.
  QRect logical(const ui::PxRect& device) const;
  AccessLayer* access() const { return access_.get(); }
  // The finger on this window, wherever in it the touch began.
  Finger& finger() { return finger_; }
  // Runs when the window is shown, hidden, minimised or restored.
  std::function<void()> onShownChanged;

  void invalidate(const ui::Container& c, const ui::RectF& r) override;
  void widgetChanged(const ui::Control& c) override;
  void inputEnabledChanged() override {}
  void announce(const std::string& text) override;
  void accessChanged(const ui::Control& c) override;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void build(ui::Container& c, QWidget* parent);
  QWidget* makeWidget(ui::Control& c, QWidget* parent);
  void sync(const ui::Control& c, QWidget* w);
  void release();
  void centre(const QMargins& frame);
  // The available area of the screen the window is on.
  QRect screenArea() const;
  void flushDirty();
  // The frame and the drawing layers follow the zoom and the screen's pixel ratio.
  void syncGrid();
  // Logical pixels of a layout rectangle at this window's zoom.
  QRect logicalRect(const ui::RectF& r) const { return widgetRect(r, zoom_, devicePixelRatioF()); }

  ui::Form* form_;
  double zoom_;
  std::unique_ptr<ui::FormFrame> frame_;
  // By the frame's area: its widget, and the layer of its surface if it has one.
  std::vector<QWidget*> areaWidgets_;
  std::vector<std::unique_ptr<RasterLayer>> layers_;
  std::unique_ptr<AccessLayer> access_;
  QHash<const ui::Control*, QWidget*> widgets_;
  Finger finger_;
  double dpr_ = 0;
  // The frame's changes are handed to Qt once control returns to it.
  bool flushPosted_ = false;
};

}  // namespace zemlox::qt
