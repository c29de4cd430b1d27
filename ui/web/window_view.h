// One loaded window in the page: a window element with a title bar and close
// box, a canvas for each area that paints (the window itself, its frames and
// picture boxes), HTML buttons and lists, an element over each painted label
// for assistive technology and the keys. Each frame's changes are applied
// here, once per browser frame.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ui/form.h"
#include "ui/window_scene.h"
#include "ui/touch.h"
#include "ui/web/focus_rings.h"
#include "ui/web/draw_list.h"
#include "ui/web/device_scale.h"

namespace zemlox::web {

class WebHost;

// A window's title bar and edge, in layout pixels at 100 %.
inline constexpr int kTitleBarPx = 22;
inline constexpr int kEdgePx = 1;

class WindowView {
 public:
  WindowView(WebHost& host, ui::Form& form);
  ~WindowView();
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  ui::Form* form() const { return form_; }
  int element() const { return window_; }
  // Cuts every tie to the window: it is unloading.
  void detach();

  // Places the window with its top-left corner at (x, y) device pixels.
  void layout(const Scale& scale, int x, int y);
  int outerWidth(const Scale& sc) const;
  int outerHeight(const Scale& sc) const;
  // The client area's size in device pixels at that scale.
  Span clientSize(const Scale& sc) const;
  void setStacking(int z, bool active);
  // The focus on the control the window layer opens the window with.
  void focusFirst();
  // Applies a frame's changes; whether anything was painted.
  bool apply(const ui::WindowChanges& changes);
  // The focus rings placed but not drawn yet, unseen until their element
  // takes the focus.
  bool ringsWaiting() const { return rings_.waiting(); }
  void drawWaitingRings() { rings_.drawWaiting(); }

  // Input from the page, by element number; false when not this window's.
  // A touch on the title bar comes with the window's own number, in CSS
  // pixels from the client area's corner.
  bool pointer(int canvas, int type, double x, double y, int buttons, int mods, bool touch);
  bool buttonClicked(int id);
  bool comboPicked(int id, int index);
  bool comboStepped(int id, int direction);
  bool comboTyped(int id, const std::string& text);
  // A key on a painted label's element: whether it did something; nothing
  // when the element is not this window's.
  std::optional<bool> itemKey(int id, ui::Key key, int shift);

 private:
  void build(ui::Container& c, int parentElement);
  void buildItems();
  void addCanvas(size_t area, int element);
  void applyItemChanges(const std::vector<ui::ItemChange>& changes);
  // The page element of an area: the window's own or its control's.
  int areaElement(size_t area) const;
  void place(const ui::Control& c, int id, const Span& r);
  // The element that takes the focus for a control: its own or its item's.
  int focusElement(const ui::Control* c) const;
  // Gives element `id` the focus, its ring drawn first.
  void focus(int id);
  void sync(const ui::WidgetChange& change, int id);
  void paintArea(const ui::AreaPaint& p);
  // The canvas a see-through drawing layer is kept on, its new pixels copied.
  int layerCanvas(const ui::DrawingLayer& layer);
  void touchInput(ui::Container& c, int type, float x, float y, float twipsPerPx);

  WebHost& host_;
  ui::Form* form_;
  Scale scale_;
  int window_ = 0;
  ui::WindowScene* scene_;
  // By the scene's area: its canvas, and the offscreen canvas of its
  // drawing layer where that is drawn over other things (0: none yet).
  std::vector<int> canvases_;
  std::vector<int> layerCanvases_;
  std::unordered_map<const ui::Control*, int> widgets_;
  std::unordered_map<int, ui::Control*> controlsById_;
  // The element over each of the scene's label items.
  std::vector<int> items_;
  ui::Touch touch_;
  FocusRings rings_;
};

}  // namespace zemlox::web
