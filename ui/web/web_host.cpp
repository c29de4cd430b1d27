// Browser host: windows in the page, the frame, zoom and the page's state.
#include "ui/web/web_host.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

#include "ui/form.h"
#include "ui/web/dom.h"
#include "ui/web/web_printer.h"

namespace zemlox::web {
namespace {

WebHost* g_host = nullptr;
// Room kept around the windows in the browser window, in CSS pixels.
constexpr double kMargin = 8;

// A frame due later than the next animation frame or two is asked for by a
// timeout first, so that an idle page has no animation frames running.
constexpr double kFrameMs = 17;

void onWake(void* timeout) {
  *static_cast<long*>(timeout) = 0;
  if (g_host) g_host->wantFrame();
}

EM_BOOL onResize(int, const EmscriptenUiEvent*, void*) {
  if (g_host) g_host->relayout();
  return EM_FALSE;
}

EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* e, void*) {
  if (g_host) g_host->pageVisible(!e->hidden);
  return EM_FALSE;
}

EM_BOOL onKey(int, const EmscriptenKeyboardEvent* e, void*) {
  if (!g_host) return EM_FALSE;
  const ui::ZoomKey key =
      ui::zoomKey(e->key, {bool(e->ctrlKey), bool(e->metaKey), bool(e->altKey), bool(e->shiftKey)}, e->repeat);
  if (key.step) g_host->zoomKey(*key.step);
  return key.taken ? EM_TRUE : EM_FALSE;  // the browser's own zoom stays out of it
}

}  // namespace

WebHost::WebHost(ui::Application& app) : app_(app) {
  g_host = this;
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onResize);
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, onVisibility);
  // A page opened in a background tab starts with its clock standing.
  EmscriptenVisibilityChangeEvent v;
  if (emscripten_get_visibility_status(&v) == EMSCRIPTEN_RESULT_SUCCESS) app_.clock().setShown(!v.hidden);
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onKey);
}

WebHost::~WebHost() {
  if (g_host == this) g_host = nullptr;
}

WebHost* WebHost::current() { return g_host; }

WindowView* WebHost::viewOf(const ui::Form& f) const {
  for (const auto& v : views_)
    if (v->form() == &f) return v.get();
  return nullptr;
}

void WebHost::formLoaded(ui::Form& f) { views_.push_back(std::make_unique<WindowView>(*this, f)); }

void WebHost::formShown(ui::Form& f) {
  WindowView* v = viewOf(f);
  if (!v) return;
  // The window shown last stands on top.
  auto it = std::find_if(views_.begin(), views_.end(), [v](auto& p) { return p.get() == v; });
  std::rotate(it, it + 1, views_.end());
  relayout();
  restack();
  focusTop();
}

void WebHost::formShownModal(ui::Form& f) { formShown(f); }

void WebHost::formUnloaded(ui::Form& f) {
  auto it = std::find_if(views_.begin(), views_.end(), [&f](auto& p) { return p->form() == &f; });
  if (it == views_.end()) return;
  (*it)->detach();
  unloaded_.push_back(std::move(*it));
  views_.erase(it);
  wantFrame();
  relayout();
  restack();
  focusTop();
}

void WebHost::lastFormUnloaded() { dom::showEnded(); }

std::unique_ptr<ui::Printer> WebHost::printer() { return std::make_unique<WebPrinter>(); }

void WebHost::wantFrame() {
  if (frameAsked_) return;
  frameAsked_ = true;
  dom::requestFrame();
}

void WebHost::frame() {
  frameAsked_ = false;
  if (wakeTimeout_) emscripten_clear_timeout(wakeTimeout_), wakeTimeout_ = 0;
  const double now = emscripten_get_now();
  const ui::Application::Frame f = app_.frame(now, true);
  // The focus rings nobody sees yet wait for a frame with nothing else to
  // paint: they never hold a window's first frame back.
  const bool painted = apply(f);
  bool ringsWait = false;
  for (auto& v : views_) {
    if (!painted) v->drawWaitingRings();
    ringsWait = ringsWait || v->ringsWaiting();
  }
  if (ringsWait || (f.nextTick != ui::Clock::kNever && f.nextTick - now < 2 * kFrameMs)) {
    wantFrame();
  } else if (f.nextTick != ui::Clock::kNever && !frameAsked_) {
    wakeTimeout_ = emscripten_set_timeout(onWake, f.nextTick - now - kFrameMs, &wakeTimeout_);
  }
}

bool WebHost::apply(const ui::Application::Frame& f) {
  unloaded_.clear();
  bool painted = false;
  for (const ui::WindowChanges& c : f.windows)
    if (WindowView* v = viewOf(*c.form)) painted = v->apply(c) || painted;
  return painted;
}

void WebHost::applyChanges() { apply(app_.changes(true)); }

void WebHost::start(const std::function<void()>& run) {
  // The menu is painted at once, so the browser's next frame shows it whole
  // rather than its empty window first. The focus waits for the paint's
  // changes: focusing lays the page out, and it is then laid out only once.
  starting_ = true;
  run();
  starting_ = false;
  applyChanges();
  focusTop();
}

void WebHost::focusTop() {
  if (!starting_ && !views_.empty()) views_.back()->focusFirst();
}

ui::ZoomPolicy::Fits WebHost::space() const {
  // The largest shown window, measured at 100 %, with room kept around it.
  const Scale unit{1};
  double w = 0, h = 0;
  for (auto& v : views_) {
    if (!v->form()->visible()) continue;
    w = std::max(w, static_cast<double>(v->outerWidth(unit)));
    h = std::max(h, static_cast<double>(v->outerHeight(unit)));
  }
  // With no window shown there is nothing to fit: 100 %.
  if (!(w > 0)) return [](double f) { return f <= 1; };
  const double roomW = dom::viewWidth() - 2 * kMargin, roomH = dom::viewHeight() - 2 * kMargin;
  return [=](double f) { return w * f <= roomW && h * f <= roomH; };
}

void WebHost::relayout() {
  dom::readPixelRatio();
  const double dpr = dom::pixelRatio();
  const double viewW = dom::viewWidth(), viewH = dom::viewHeight();
  zoom_.refit(space());
  const Scale sc{zoom_.factor() * dpr, dpr};
  int deskW = static_cast<int>(std::lround(viewW * dpr)), deskH = static_cast<int>(std::lround(viewH * dpr));
  for (auto& v : views_) {
    deskW = std::max(deskW, v->outerWidth(sc));
    deskH = std::max(deskH, v->outerHeight(sc));
  }
  dom::setDeskSize(deskW, deskH);
  for (auto& v : views_)
    v->layout(sc, (deskW - v->outerWidth(sc)) / 2, (deskH - v->outerHeight(sc)) / 2);
}

void WebHost::repaintAll() {
  for (auto& v : views_)
    if (ui::Form* f = v->form()) f->scene()->repaintAll();
}

void WebHost::restack() {
  int z = 1;
  const WindowView* top = nullptr;
  for (auto& v : views_)
    if (v->form()->visible()) top = v.get();
  for (auto& v : views_) v->setStacking(v->form()->visible() ? z++ : 0, v.get() == top);
  if (top) dom::setTitle(top->form()->pageTitle());
}

void WebHost::pageVisible(bool visible) { app_.clock().setShown(visible); }

ui::SaveResult WebHost::saveFiles(const std::vector<ui::SavedFile>& files) {
  for (const ui::SavedFile& f : files)
    if (!dom::download(f.name, f.type, f.bytes)) return ui::SaveResult::Failed;
  return ui::SaveResult::Saved;
}

bool WebHost::copyText(const std::string& text) { return dom::copyText(text); }

void WebHost::zoomKey(int direction) {
  if (zoom_.key(direction, space())) relayout();
}

}  // namespace zemlox::web
