// One loaded window in the page: a window element with a title bar and close
// box, a canvas for each area that paints (the window itself, its frames and
// picture boxes), HTML buttons and lists, an element over each painted label
// for assistive technology and the keys. The window layer's frame says what
// changed; this applies it once per browser frame.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ui/form.h"
#include "ui/form_frame.h"
#include "ui/touch.h"
#include "ui/web/focus_rings.h"
#include "ui/web/draw_list.h"
#include "ui/web/device_scale.h"
#include "ui/web/raster_layer.h"

namespace zemlox::web {

class WebHost;

// A window's title bar and edge, in layout pixels at 100 %.
inline constexpr int kTitleBarPx = 22;
inline constexpr int kEdgePx = 1;

class WindowView : public ui::FormView {
 public:
  WindowView(WebHost& host, ui::Form& form);
  ~WindowView() override;
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
  void paint();

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

  void invalidate(const ui::Container& c, const ui::RectF& r) override;
  void accessChanged(const ui::Control& c) override;
  void widgetChanged(const ui::Control& c) override;
  void inputEnabledChanged() override;
  void announce(const std::string& text) override;

 private:
  void build(ui::Container& c, int parentElement);
  void buildItems();
  void addCanvas(size_t area, int element);
  void applyItemChanges();
  // The page element of an area: the window's own or its control's.
  int areaElement(size_t area) const;
  void place(const ui::Control& c, int id);
  // The element that takes the focus for a control: its own or its item's.
  int focusElement(const ui::Control* c) const;
  // Gives element `id` the focus, its ring drawn first.
  void focus(int id);
  void sync(const ui::Control& c, int id);
  void paintArea(size_t area);
  void touchInput(ui::Container& c, int type, float x, float y, float twipsPerPx);

  WebHost& host_;
  ui::Form* form_;
  Scale scale_;
  int window_ = 0;
  std::unique_ptr<ui::FormFrame> frame_;
  // By the frame's area: its canvas, and the layer of its surface if it has one.
  std::vector<int> canvases_;
  std::vector<std::unique_ptr<RasterLayer>> layers_;
  std::unordered_map<const ui::Control*, int> widgets_;
  std::unordered_map<int, ui::Control*> controlsById_;
  // The element over each of the frame's label items.
  std::vector<int> items_;
  ui::Touch touch_;
  FocusRings rings_;
};

}  // namespace zemlox::web
