// The whole program as the fuzz drivers and the long-run tests drive it: the
// application, the start routine and a host that keeps every drawing
// operation, repaint request and printed page of the current event, and
// remembers which controls and timers each window built. Without a display,
// or shown on a real host that it passes every call and drawing on to.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Module1.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/printer.h"
#include "ui/surface.h"

namespace fuzz {

class Program : public ui::Host, public ui::FormView {
 public:
  Program();
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows every window on a real host as well (the Qt host): the host is
  // told of every load, show and unload, and each window's view and drawing
  // sinks get every notice and drawing once this program has kept it.
  void showOn(ui::Host* shown) { shown_ = shown; }

  ui::Application& app() { return app_; }
  app::frmMain& menu() { return *module_.mainForm(); }
  // Starts the program, or starts it again once its last window has gone.
  void start();
  bool ended() const { return app_.formCount() == 0; }
  int starts() const { return starts_; }

  // The menu and every lesson window the menu has created so far.
  std::vector<ui::Form*> windows();
  // The lesson window that is loaded, or null.
  ui::Form* lesson();

  // What each window built at its last load.
  const std::vector<ui::Control*>& builtControls(const ui::Form& f) const;
  const std::vector<ui::Timer*>& builtTimers(const ui::Form& f) const;
  // One of the timers built by windows unloaded now, by `choice`; nulls for none.
  std::pair<ui::Form*, ui::Timer*> unloadedTimer(std::size_t choice);

  // Keeps every drawing and hands it on to the surface's sink on the shown host.
  class KeepingSink : public ui::RecordingSink {
   public:
    std::map<const ui::Surface*, ui::SurfaceSink*> shown;
    void clear(const ui::Surface& s) override;
    void line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) override;
    void circle(const ui::Surface& s, float cx, float cy, float r, ui::Color c,
                std::optional<ui::Color> fill) override;
  };

  // Recorded during the current event; forget() starts the next one.
  KeepingSink sink;
  std::vector<ui::PrintedPage> pages;
  int printersOpened = 0;
  int documentsLeftOpen = 0;
  std::vector<std::string> viewFaults;  // non-finite repaint areas and the like
  // The buttons and lists whose click handler ran, however they were
  // reached (mouse, finger, Space, Enter).
  std::vector<const ui::Button*> clicked;
  std::vector<const ui::ComboBox*> listClicks;
  void forget();

  // ui::Host
  void formLoaded(ui::Form& f) override;
  void formShown(ui::Form& f) override;
  void formShownModal(ui::Form& f) override;
  void formUnloaded(ui::Form& f) override;
  void lastFormUnloaded() override;
  std::unique_ptr<ui::Printer> printer() override;
  void wantFrame() override;  // without a shown host the driver ticks by hand

  // ui::FormView
  void invalidate(const ui::Container& c, const ui::RectF& r) override;
  void widgetChanged(const ui::Control& c) override;
  void inputEnabledChanged() override;

 private:
  struct Built {
    std::vector<ui::Control*> controls;
    std::vector<ui::Timer*> timers;
  };
  void attach(ui::Form& f);
  std::vector<ui::Surface*> surfaces(const ui::Form& f) const;
  ui::FormView* shownView(const ui::Form* f) const;

  ui::Host* shown_ = nullptr;
  std::map<const ui::Form*, ui::FormView*> shownViews_;
  ui::Application app_;
  app::Module1 module_{app_};
  std::map<const ui::Form*, Built> built_;
  int starts_ = 0;
};

}  // namespace fuzz
