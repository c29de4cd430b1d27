// The browser host of the window layer: a window element per loaded window,
// modal windows over their owner in the same page, the program's frame run
// from the browser's animation frame and applied, the page's zoom and title,
// and a closing screen when the last window goes.
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
  void wantFrame() override;
  ui::SaveResult saveFiles(const std::vector<ui::SavedFile>& files) override;
  bool copyText(const std::string& text) override;

  // The browser's animation frame: the program's frame, applied.
  void frame();
  // Every window's changes applied now, no time passing.
  void applyChanges();
  // Runs the program's start and paints its first frame, the focus given last.
  void start(const std::function<void()>& run);
  // Lays every shown window out again at the current zoom, page size and
  // pixel ratio.
  void relayout();
  // Every window painted afresh (a picture it shows has come in).
  void repaintAll();
  // Stacking, active title bars, focus-blocking and the page's title.
  void restack();
  void pageVisible(bool visible);
  // Ctrl with + (+1), - (-1) or 0 (0).
  void zoomKey(int direction);

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
  // Applies a frame; whether anything was painted.
  bool apply(const ui::Application::Frame& f);

  ui::ZoomPolicy zoom_{ui::ZoomPolicy::Space::Page};
  bool frameAsked_ = false;
  bool starting_ = false;
  long wakeTimeout_ = 0;  // 0 when none is set
};

}  // namespace zemlox::web
