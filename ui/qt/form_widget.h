// One top-level widget per loaded window: builds Qt widgets for buttons,
// frames, combo boxes and picture boxes, applies each frame's changes to
// them (repaints where it is dirty, widgets placed and filled, label items),
// paints an area from the window's scene when Qt asks, says when it is
// shown, hidden or minimised, and forwards input.
#pragma once

#include <QHash>
#include <vector>
#include <QMargins>
#include <functional>
#include <QWidget>
#include <memory>

#include "ui/form.h"
#include "ui/window_scene.h"
#include "ui/qt/logical_pixels.h"
#include "ui/qt/touch_input.h"

namespace zemlox::qt {

class AccessLayer;

class FormWidget : public QWidget {
 public:
  // `zoom`: logical pixels per layout pixel.
  FormWidget(ui::Form& form, double zoom);
  ~FormWidget() override;

  // Called when the window unloads: stops everything that reaches back
  // into ui/, hides, and deletes itself once control returns to Qt.
  void detach();
  // Shows the window centred on its screen with `decoration` around it,
  // wholly inside the screen's available area where it fits.
  void showCentered(const QMargins& decoration);
  // Lays the window and everything in it out again at a new zoom, redraws
  // its drawings at the new scale and centres it on its screen again.
  void setZoom(double zoom, const QMargins& decoration);
  // Whether the window with `decoration` around it would fit inside its
  // screen's available area at `zoom`.
  bool fitsScreen(double zoom, const QMargins& decoration) const;
  // The margins the window system drew around the shown window.
  QMargins decoration() const;
  double zoom() const { return zoom_; }
  ui::Form* form() const { return form_; }
  QWidget* widgetFor(const ui::Control& c) const { return widgets_.value(&c); }
  QWidget* containerWidget(const ui::Container& c) const;
  ui::WindowScene& scene() { return *scene_; }
  // Applies a frame's changes to this window.
  void apply(const ui::WindowChanges& changes);
  // Paints one area of the window on its widget.
  void paintArea(size_t area, QWidget& w, const QPaintEvent& e);
  // Device pixels as the logical pixels Qt places and repaints in.
  QRect logical(const ui::PxRect& device) const;
  AccessLayer* access() const { return access_.get(); }
  // The finger on this window, wherever in it the touch began.
  Finger& finger() { return finger_; }
  // Runs when the window is shown, hidden, minimised or restored.
  std::function<void()> onShownChanged;

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
  void sync(const ui::WidgetChange& change, QWidget* w);
  void release();
  void centre(const QMargins& decoration);
  // The available area of the screen the window is on.
  QRect screenArea() const;
  // The scene follows the zoom and the screen's pixel ratio.
  void syncGrid();
  // Logical pixels of a layout rectangle at this window's zoom.
  QRect logicalRect(const ui::RectF& r) const { return widgetRect(r, zoom_, devicePixelRatioF()); }

  ui::Form* form_;
  double zoom_;
  ui::WindowScene* scene_;
  // By the scene's area.
  std::vector<QWidget*> areaWidgets_;
  std::unique_ptr<AccessLayer> access_;
  QHash<const ui::Control*, QWidget*> widgets_;
  Finger finger_;
  double dpr_ = 0;
};

}  // namespace zemlox::qt
