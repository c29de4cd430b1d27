// One top-level widget per loaded window: builds Qt widgets for buttons,
// frames, combo boxes and picture boxes, paints the window's shapes, drawings,
// lines and labels in that order, runs its timers, and forwards input.
#pragma once

#include <QHash>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "ui/form.h"
#include "ui/qt/raster_layer.h"

namespace zemlox::qt {

class AccessLayer;

class FormWidget : public QWidget, public ui::FormView {
 public:
  explicit FormWidget(ui::Form& form);
  ~FormWidget() override;

  // Called when the window unloads: stops everything that reaches back
  // into ui/, hides, and deletes itself once control returns to Qt.
  void detach();
  void showCentered();
  ui::Form* form() const { return form_; }
  QWidget* widgetFor(const ui::Control& c) const { return widgets_.value(&c); }
  QWidget* containerWidget(const ui::Container& c) const { return containers_.value(&c); }
  AccessLayer* access() const { return access_.get(); }

  void invalidate(const ui::Container& c, const ui::RectF& r) override;
  void widgetChanged(const ui::Control& c) override;
  void timerChanged(const ui::Timer& t) override;
  void inputEnabledChanged() override {}
  void announce(const std::string& text) override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void build(ui::Container& c, QWidget* parent);
  QWidget* makeWidget(ui::Control& c, QWidget* parent);
  void sync(const ui::Control& c, QWidget* w);
  void release();

  ui::Form* form_;
  std::unique_ptr<RasterLayer> layer_;
  std::unique_ptr<AccessLayer> access_;
  QHash<const ui::Control*, QWidget*> widgets_;
  QHash<const ui::Container*, QWidget*> containers_;
  QHash<const ui::Timer*, QTimer*> timers_;
  // Changes to the window's own area since its last paint.
  static constexpr int kMaxDirtyRects = 48;
  int dirtyCount_ = 0;
  QRect dirtyBounds_;
};

}  // namespace zemlox::qt
