// The browser host of the window layer: a window element per loaded window,
// modal windows over their owner in the same page, one repaint per browser
// frame, the page's zoom (fit to the browser window, or the desktop's steps)
// and the page's title, and a closing screen when the last window goes.
#pragma once

#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/web/raster.h"
#include "ui/web/window_view.h"
#include "ui/web/zoom.h"

namespace zemlox::web {

class WebHost : public ui::Host {
 public:
  WebHost();
  ~WebHost() override;
  // The host the page's events go to; null before start-up.
  static WebHost* current();

  void formLoaded(ui::Form& f) override;
  void formShown(ui::Form& f) override;
  // A browser cannot nest its event loop: the window shows and this returns.
  // The owner takes no input meanwhile (the window layer sees to it).
  void runModal(ui::Form& f) override;
  void formUnloaded(ui::Form& f) override;
  void lastFormUnloaded() override;
  std::unique_ptr<ui::Printer> printer() override;

  void scheduleFrame();
  // Paints every window's changes now.
  void paintNow();
  // Lays every shown window out again at the current zoom and page size.
  void relayout();
  // Stacking, active title bars, focus-blocking and the page's title.
  void restack();
  void pageVisible(bool visible);
  // Ctrl with +, - or 0.
  void zoomKey(char key);

  WindowView* viewOf(const ui::Form& f) const;
  const std::vector<std::unique_ptr<WindowView>>& views() const { return views_; }

 private:
  std::vector<std::unique_ptr<WindowView>> views_;  // in showing order
  std::vector<std::unique_ptr<WindowView>> unloaded_;  // freed once no handler runs
  Zoom zoom_;
  double factor_ = 1;
  bool frameScheduled_ = false;
};

}  // namespace zemlox::web
