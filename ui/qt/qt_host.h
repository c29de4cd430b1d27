// The Qt host of the window layer: one FormWidget per loaded window, the
// one platform timer that calls the program's frame and applies it, quitting
// when the last window goes, the system printer, and the one zoom every
// window is shown at.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QTimer>

#include "ui/application.h"
#include "ui/qt/form_widget.h"
#include "ui/qt/input_gate.h"
#include "ui/qt/zoom_keys.h"
#include "ui/zoom_policy.h"

namespace zemlox::qt {

class QtHost : public ui::Host {
 public:
  explicit QtHost(ui::Application& app);

  void formLoaded(ui::Form& f) override;
  void formShown(ui::Form& f) override;
  void formShownModal(ui::Form& f) override;
  void formUnloaded(ui::Form& f) override;
  void lastFormUnloaded() override;
  std::unique_ptr<ui::Printer> printer() override;
  void wantFrame() override;
  ui::ByteOrder pixelOrder() const override { return ui::ByteOrder::Bgra; }
  ui::SaveResult saveFiles(const std::vector<ui::SavedFile>& files) override;
  bool copyText(const std::string& text) override;

  // The widget of a loaded window, or null.
  FormWidget* widget(const ui::Form& f) const { return views_.value(&f); }
  const ui::ZoomPolicy& zoom() const { return zoom_; }
  // Ctrl with + (+1), - (-1) or 0 (0).
  void zoomKey(int direction);
  // One frame now: the ticks due, then every window's changes applied.
  void frame();
  // Every window's changes applied now, no time passing.
  void applyChanges() { apply(app_.changes(false)); }
  // The window holding the input the window of `w` may not take, or null.
  QWidget* blockerOf(QWidget* w) const;

 private:
  // Whether every loaded window, decorated as the shown ones are, fits its
  // screen's available area at `zoom`: the space the zoom policy gets.
  bool fitAt(double zoom) const;
  // Windows came or went: the zoom they are shown at may change.
  void refit();
  void applyZoom();
  // The largest margins the window system put around a shown window; none
  // before any is shown, or without a window manager.
  QMargins decoration() const;
  void apply(const ui::Application::Frame& f);
  // A window was shown, hidden, minimised or restored.
  void shownChanged();

  ui::Application& app_;
  QHash<const ui::Form*, QPointer<FormWidget>> views_;
  QTimer frameTimer_;
  QElapsedTimer since_;
  ui::ZoomPolicy zoom_{ui::ZoomPolicy::Space::Screen};
  // Declared last: their watches end before the windows go. The zoom keys
  // watch after the gate, so they see a key first: the zoom is the
  // program's, whichever window has the keyboard.
  InputGate gate_;
  ZoomKeys keys_;
};

}  // namespace zemlox::qt
