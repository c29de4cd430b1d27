// The page's events into the host: page.js calls these exported functions
// with element numbers, and the window owning the element handles them.
#include <emscripten.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/web/web_host.h"

namespace {

// The keys a marker passes on, by the page's names; Tab stays the page's.
std::optional<ui::Key> pageKey(std::string_view name) {
  static constexpr std::pair<std::string_view, ui::Key> kKeys[] = {
      {" ", ui::Key::Space}, {"Enter", ui::Key::Enter}, {"Escape", ui::Key::Escape},
      {"ArrowLeft", ui::Key::Left}, {"ArrowRight", ui::Key::Right}, {"ArrowUp", ui::Key::Up},
      {"ArrowDown", ui::Key::Down}};
  for (const auto& [n, k] : kKeys)
    if (n == name) return k;
  return std::nullopt;
}

template <class F>
void toWindows(F f) {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  if (!host) return;
  // A handler may unload windows; stop at the first window that owned the event.
  for (const auto& v : host->views())
    if (f(*v)) return;
}

}  // namespace

extern "C" {

// type: 0 move, 1 press, 2 release; x, y in CSS pixels of the canvas.
EMSCRIPTEN_KEEPALIVE void zx_pointer(int canvas, int type, double x, double y, int buttons, int mods,
                                     int touch) {
  toWindows([&](zemlox::web::WindowView& v) { return v.pointer(canvas, type, x, y, buttons, mods, touch); });
}

EMSCRIPTEN_KEEPALIVE void zx_button(int id) {
  toWindows([&](zemlox::web::WindowView& v) { return v.buttonClicked(id); });
}

EMSCRIPTEN_KEEPALIVE void zx_combo_pick(int id, int index) {
  toWindows([&](zemlox::web::WindowView& v) { return v.comboPicked(id, index); });
}

// An arrow key or wheel notch on a list: -1 up, +1 down.
EMSCRIPTEN_KEEPALIVE void zx_combo_step(int id, int direction) {
  toWindows([&](zemlox::web::WindowView& v) { return v.comboStepped(id, direction); });
}

// A wheel turned over a list: `down` as WheelEvent.deltaY. 1 when the list
// stepped, for the page to keep the wheel from scrolling.
EMSCRIPTEN_KEEPALIVE int zx_combo_wheel(int id, double down, int focused) {
  const int d = ui::wheelStep(down, focused != 0);
  if (d) zx_combo_step(id, d);
  return d ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void zx_combo_type(int id, const char* text) {
  const std::string s = text;
  toWindows([&](zemlox::web::WindowView& v) { return v.comboTyped(id, s); });
}

// key: the page's name of the key (KeyboardEvent.key); 1 when the key did
// something, for the page to keep it from the browser (arrows would scroll
// the page, Space page down).
EMSCRIPTEN_KEEPALIVE int zx_item_key(int item, const char* key, int shift) {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  const std::optional<ui::Key> k = pageKey(key);
  if (!host || !k) return 0;
  for (const auto& v : host->views())
    if (std::optional<bool> done = v->itemKey(item, *k, shift)) return *done ? 1 : 0;
  return 0;
}

EMSCRIPTEN_KEEPALIVE void zx_close(int window) {
  toWindows([&](zemlox::web::WindowView& v) {
    if (v.element() != window) return false;
    v.form()->closeBox();
    return true;
  });
}

// The browser's animation frame the host asked for: the program's frame.
EMSCRIPTEN_KEEPALIVE void zx_frame() {
  if (zemlox::web::WebHost* host = zemlox::web::WebHost::current()) host->frame();
}

// Something the windows show has come in (a picture, the font): everything
// is painted afresh, nothing laid out anew.
EMSCRIPTEN_KEEPALIVE void zx_repaint_all() {
  if (zemlox::web::WebHost* host = zemlox::web::WebHost::current()) host->repaintAll();
}

// The device pixel ratio changed (the browser's zoom, another screen).
EMSCRIPTEN_KEEPALIVE void zx_ratio_changed() {
  if (zemlox::web::WebHost* host = zemlox::web::WebHost::current()) host->relayout();
}

}  // extern "C"
