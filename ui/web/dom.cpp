// One-line bridges from the host's C++ to page.js (ZX in the page).
#include "ui/web/dom.h"

#include <emscripten.h>
#include <emscripten/html5.h>

namespace {

EM_JS(int, zx_create, (int kind, int parent), { return ZX.create(kind, parent); });
EM_JS(void, zx_remove, (int id), { ZX.remove(id); });
EM_JS(void, zx_place, (int id, int x, int y, int w, int h), { ZX.place(id, x, y, w, h); });
EM_JS(void, zx_dress_window, (int id, int th, int edge, double px, double f), { ZX.dressWindow(id, th, edge, px, f); });
EM_JS(void, zx_resize_canvas, (int id, int w, int h), { ZX.resizeCanvas(id, w, h); });
EM_JS(void, zx_set_text, (int id, const char* s), { ZX.setText(id, UTF8ToString(s)); });
EM_JS(void, zx_set_name, (int id, const char* s), { ZX.setName(id, UTF8ToString(s)); });
EM_JS(void, zx_announce, (const char* s), { ZX.announce(UTF8ToString(s)); });
EM_JS(void, zx_set_items, (int id, const char* s, int selected), { ZX.setItems(id, UTF8ToString(s), selected); });
EM_JS(void, zx_set_visible, (int id, int v), { ZX.setVisible(id, v); });
EM_JS(void, zx_set_font, (int id, double px), { ZX.setFont(id, px); });
EM_JS(void, zx_join_tab, (int id), { ZX.joinTab(id); });
EM_JS(void, zx_focus, (int id), { ZX.focus(id); });
EM_JS(int, zx_has_focus, (int id), { return ZX.hasFocus(id); });
EM_JS(void, zx_window_state, (int id, int z, int active, int inert), { ZX.windowState(id, z, active, inert); });
EM_JS(void, zx_request_frame, (), { ZX.requestFrame(); });
EM_JS(void, zx_replay, (int id, const int32_t* ops, int n), { ZX.replay(id, ops >> 2, n); });
EM_JS(void, zx_put_pixels, (int id, const uint32_t* p, int stride, int x, int y, int w, int h),
      { ZX.putPixels(id, p, stride, x, y, w, h); });
EM_JS(double, zx_view_w, (), { return document.documentElement.clientWidth; });
EM_JS(double, zx_view_h, (), { return ZX.roomHeight(); });
EM_JS(void, zx_desk, (int w, int h), { ZX.desk(w, h); });
EM_JS(void, zx_title, (const char* s), { document.title = UTF8ToString(s); });
EM_JS(void, zx_ended, (), { ZX.ended(); });
EM_JS(int, zx_download, (const char* name, const char* type, const char* p, int n),
      { return ZX.download(UTF8ToString(name), UTF8ToString(type), HEAPU8.slice(p, p + n)); });
EM_JS(int, zx_copy_text, (const char* s), { return ZX.copyText(UTF8ToString(s)); });
EM_JS(void, zx_print_begin, (double w, double h, double left, double top, double pen),
      { ZX.printBegin(w, h, left, top, pen); });
EM_JS(void, zx_print_text, (double x, double y, const char* t, const char* family, double size),
      { ZX.printText(x, y, UTF8ToString(t), UTF8ToString(family), size); });
EM_JS(void, zx_print_shape, (int kind, double a, double b, double c, double d),
      { ZX.printShape(kind, a, b, c, d); });
EM_JS(void, zx_print_show, (const char* name), { ZX.printShow(UTF8ToString(name)); });
EM_JS(void, zx_open_list, (int id), { ZX.openList(id); });

}  // namespace

namespace zemlox::web::dom {

int create(Kind kind, int parent) { return zx_create(static_cast<int>(kind), parent); }
void remove(int id) { zx_remove(id); }
void place(int id, int x, int y, int w, int h) { zx_place(id, x, y, w, h); }
void dressWindow(int id, int th, int edge, double px, double f) { zx_dress_window(id, th, edge, px, f); }
void resizeCanvas(int id, int w, int h) { zx_resize_canvas(id, w, h); }
void setText(int id, const std::string& s) { zx_set_text(id, s.c_str()); }
void setName(int id, const std::string& s) { zx_set_name(id, s.c_str()); }
void announce(const std::string& s) { zx_announce(s.c_str()); }
void setItems(int id, const std::string& s, int selected) { zx_set_items(id, s.c_str(), selected); }
void setVisible(int id, bool v) { zx_set_visible(id, v); }
void setFontPixels(int id, double px) { zx_set_font(id, px); }
void joinTabOrder(int id) { zx_join_tab(id); }
void focus(int id) { zx_focus(id); }
bool hasFocus(int id) { return zx_has_focus(id) != 0; }
void setWindowState(int window, int z, bool active, bool inert) { zx_window_state(window, z, active, inert); }
void requestFrame() { zx_request_frame(); }
void replay(int target, const int32_t* ops, int count) { zx_replay(target, ops, count); }
void putPixels(int target, const uint32_t* p, int stride, int x, int y, int w, int h) {
  zx_put_pixels(target, p, stride, x, y, w, h);
}
double viewWidth() { return zx_view_w(); }
double viewHeight() { return zx_view_h(); }
namespace {
// Read from the page at start and at each layout, which a new ratio causes
// (page.js watches for one): not on every pointer event.
double ratio = 0;
}  // namespace
double pixelRatio() {
  if (ratio <= 0) ratio = emscripten_get_device_pixel_ratio();
  return ratio;
}
void readPixelRatio() { ratio = emscripten_get_device_pixel_ratio(); }
void setDeskSize(int w, int h) { zx_desk(w, h); }
void setTitle(const std::string& s) { zx_title(s.c_str()); }
bool download(const std::string& name, const std::string& type, const std::string& bytes) {
  return zx_download(name.c_str(), type.c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
}
bool copyText(const std::string& text) { return zx_copy_text(text.c_str()) != 0; }
void showEnded() { zx_ended(); }
void printBegin(double w, double h, double left, double top, double pen) {
  zx_print_begin(w, h, left, top, pen);
}
void printText(double x, double y, const std::string& t, const std::string& f, double size) {
  zx_print_text(x, y, t.c_str(), f.c_str(), size);
}
void printLine(double x1, double y1, double x2, double y2) { zx_print_shape(0, x1, y1, x2, y2); }
void printRect(double x1, double y1, double x2, double y2) { zx_print_shape(1, x1, y1, x2, y2); }
void printCircle(double cx, double cy, double r) { zx_print_shape(2, cx, cy, r, 0); }
void printShow(const std::string& name) { zx_print_show(name.c_str()); }
void openList(int id) { zx_open_list(id); }

}  // namespace zemlox::web::dom
