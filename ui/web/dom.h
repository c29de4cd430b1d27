// The page as the browser host's C++ sees it: elements by number (windows,
// canvases, buttons, frames, picture boxes, lists, painted labels), placed in
// device pixels, and the few page-wide services (title, print view, closing
// screen, announcements). Each function is one call into page.js.
#pragma once

#include <cstdint>
#include <string>

namespace zemlox::web::dom {

enum class Kind {
  Window = 0, Canvas = 1, Button = 2, Group = 3, Picture = 4, Combo = 5, Layer = 6, Text = 7, Marker = 8,
  Ring = 9
};

// A new element inside `parent` (0: the page). Windows number their client
// area; layers are canvases that are never shown themselves. Texts and
// markers stand over painted labels for assistive technology: a text reads
// its text, a marker takes the focus and the keys (zx_item_key) and its text
// is its name. A ring is a canvas that follows its parent, a button or a
// marker, in the page and is shown while that has the focus.
int create(Kind kind, int parent);
void remove(int id);
void place(int id, int x, int y, int w, int h);  // device pixels, in the parent
// A window's title bar height, edge width and caption font, in device pixels,
// and the CSS pixels of the page to one pixel of the layout.
void dressWindow(int window, int titleHeight, int edge, double fontPx, double cssPerPixel);
void resizeCanvas(int id, int w, int h);         // device pixels
void setText(int id, const std::string& s);
// What assistive technology calls a list or a drawing area.
void setName(int id, const std::string& s);
// A list's items and the one its open list highlights (-1: none).
void setItems(int id, const std::string& newlineSeparated, int selected);
void setVisible(int id, bool v);
void setFontPixels(int id, double devicePx);
// The element comes next in its window's tab order: the page reaches it by
// Tab in the order of its elements, so it (and each container it lies in,
// the first time) moves behind its siblings.
void joinTabOrder(int id);
void focus(int id);
// Whether the focus is on the element or inside it.
bool hasFocus(int id);
void setWindowState(int window, int z, bool active, bool inert);
// zx_frame is called at the next browser frame.
void requestFrame();
void replay(int target, const int32_t* ops, int count);
// Copies a w x h part at (x, y) of a pixel buffer `stride` pixels wide
// (red, green, blue, alpha bytes) onto the same place of canvas `target`.
void putPixels(int target, const uint32_t* pixels, int stride, int x, int y, int w, int h);

double viewWidth();   // CSS pixels
double viewHeight();  // the room for windows: the page but for its bar
// Device pixels per CSS pixel, as last read (readPixelRatio).
double pixelRatio();
void readPixelRatio();
void setDeskSize(int w, int h);  // device pixels the windows need
void setTitle(const std::string& s);
// A file the program made, as the browser's download; false where refused.
bool download(const std::string& name, const std::string& type, const std::string& bytes);
bool copyText(const std::string& text);
void showEnded();
// Said by the page's polite live region.
void announce(const std::string& s);

// The print view: a sheet of `width` x `height` points as it lies, the
// page's origin at (left, top) on it and lines `pen` points wide, then its
// contents in points from that origin.
void printBegin(double width, double height, double left, double top, double pen);
void printText(double x, double y, const std::string& text, const std::string& family, double size);
void printLine(double x1, double y1, double x2, double y2);
void printRect(double x1, double y1, double x2, double y2);
void printCircle(double cx, double cy, double r);
// The print dialog, on a document of that name (the print job's and the
// saved file's, which browsers take from the page's title).
void printShow(const std::string& name);

// Opens a settings list's drop-down, as a touch on its arrow does.
void openList(int id);

}  // namespace zemlox::web::dom
