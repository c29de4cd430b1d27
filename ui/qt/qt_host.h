// The Qt host of the window layer: one FormWidget per loaded window, a
// nested event loop for each modal show, quitting when the last window goes,
// the system printer, and the one zoom every window is shown at, which
// keeps every window wholly on its screen.
#pragma once

#include <QEventLoop>
#include <QHash>
#include <QPointer>

#include "ui/application.h"
#include "ui/qt/form_widget.h"
#include "ui/qt/zoom.h"

namespace zemlox::qt {

class QtHost : public ui::Host {
 public:
  explicit QtHost(ui::Application& app);

  void formLoaded(ui::Form& f) override;
  void formShown(ui::Form& f) override;
  void runModal(ui::Form& f) override;
  void formUnloaded(ui::Form& f) override;
  void lastFormUnloaded() override;
  std::unique_ptr<ui::Printer> printer() override;

  // The widget of a loaded window, or null.
  FormWidget* widget(const ui::Form& f) const { return views_.value(&f); }
  Zoom& zoom() { return zoom_; }

 private:
  // Whether every loaded window, framed as the shown ones are, fits its
  // screen's available area at `zoom`.
  bool fitAt(double zoom) const;
  // The largest frame the window system put around a shown window; none
  // before any is shown, or without a window manager.
  QMargins frame() const;

  ui::Application& app_;
  QHash<const ui::Form*, QPointer<FormWidget>> views_;
  QHash<const ui::Form*, QEventLoop*> loops_;
  // Declared last: its key watch ends before the windows go.
  Zoom zoom_;
};

}  // namespace zemlox::qt
