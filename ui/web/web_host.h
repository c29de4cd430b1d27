// The browser host of the window layer: a window element per loaded window,
// modal windows over their owner in the same page, one repaint per browser
// frame, the one browser timeout that runs the program's clock, the page's
// zoom and title, and a closing screen when the last window goes.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/web/device_scale.h"
#include "ui/web/window_view.h"
#include "ui/zoom_policy.h"

namespace zemlox::web {

class WebHost : public ui::Host {
 public:
  explicit WebHost(ui::Application& app);
  ~WebHost() override;
  // The host the page's events go to; null before start-up.
  static WebHost* current();

  void formLoaded(ui::Form& f) override;
  void formShown(ui::Form& f) override;
  void formShownModal(ui::Form& f) override;
  void formUnloaded(ui::Form& f) override;
  void lastFormUnloaded() override;
  std::unique_ptr<ui::Printer> printer() override;
  void timersChanged() override;
  ui::SaveResult saveFiles(const std::vector<ui::SavedFile>& files) override;
  bool copyText(const std::string& text) override;

  void scheduleFrame();
  // Paints every window's changes now.
  void paintNow();
  // Runs the program's start and paints its first frame, the focus given last.
  void start(const std::function<void()>& run);
  // Lays every shown window out again at the current zoom and page size.
  void relayout();
  // Stacking, active title bars, focus-blocking and the page's title.
  void restack();
  void pageVisible(bool visible);
  // Ctrl with + (+1), - (-1) or 0 (0).
  void zoomKey(int direction);

  // One frame of the clock, and the browser timeout set for the next.
  void clockFrame();

  ui::Application& app() const { return app_; }
  WindowView* viewOf(const ui::Form& f) const;
  const std::vector<std::unique_ptr<WindowView>>& views() const { return views_; }

 private:
  ui::Application& app_;
  std::vector<std::unique_ptr<WindowView>> views_;  // in showing order
  std::vector<std::unique_ptr<WindowView>> unloaded_;  // freed once no handler runs
  // The space the zoom policy gets: whether every shown window fits the
  // browser window at a factor.
  ui::ZoomPolicy::Fits space() const;
  // The focus on the top window's first control (during the start, once
  // its first frame is painted).
  void focusTop();

  ui::ZoomPolicy zoom_{ui::ZoomPolicy::Space::Page};
  bool frameScheduled_ = false;
  bool starting_ = false;
  long clockTimeout_ = 0;  // 0 when none is set
};

}  // namespace zemlox::web
