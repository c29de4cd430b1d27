// One top-level widget per loaded window: builds Qt widgets for buttons,
// frames, combo boxes and picture boxes, paints the window's shapes, drawings,
// lines and labels in that order on the device pixel grid of its zoom, says
// when it is shown, hidden or minimised, and forwards input.
#pragma once

#include <QHash>
#include <QMargins>
#include <functional>
#include <QWidget>
#include <memory>

#include "ui/form.h"
#include "ui/dirty_rects.h"
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
  QWidget* containerWidget(const ui::Container& c) const { return containers_.value(&c); }
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
  // Logical pixels of a layout rectangle at this window's zoom.
  QRect logicalRect(const ui::RectF& r) const { return widgetRect(r, zoom_, devicePixelRatioF()); }

  ui::Form* form_;
  double zoom_;
  std::unique_ptr<RasterLayer> layer_;
  std::unique_ptr<AccessLayer> access_;
  QHash<const ui::Control*, QWidget*> widgets_;
  QHash<const ui::Container*, QWidget*> containers_;
  Finger finger_;
  // Changes since they were last handed to Qt, per container widget. They
  // are handed over once control returns to Qt.
  QHash<QWidget*, ui::DirtyRects> dirty_;
  // The entry the last change went to: a tick's changes mostly share one.
  QWidget* lastDirtyWidget_ = nullptr;
  ui::DirtyRects* lastDirty_ = nullptr;
  bool flushPosted_ = false;
};

}  // namespace zemlox::qt
