// One loaded window in the page: a window element with a title bar and close
// box, a canvas for each area that paints (the window itself, its frames and
// picture boxes), HTML buttons and lists, an element over each painted label
// for assistive technology and the keys. Repaints only what changed, once
// per browser frame.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ui/dirty_rects.h"
#include "ui/form.h"
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
  enum class AreaKind { Window, Frame, Picture };
  struct Area {
    AreaKind kind;
    ui::Container* container;
    const ui::Control* control;  // null for the window itself
    int element = 0, canvas = 0;
    int w = 0, h = 0;  // device pixels
    std::unique_ptr<RasterLayer> layer;
    ui::DirtyRects dirty;
  };

  void build(ui::Container& c, int parentElement);
  void buildItems();
  void syncItems();
  Area& addArea(AreaKind kind, ui::Container& c, const ui::Control* ctl, int element, bool drawing);
  void place(const ui::Control& c, int id);
  // The element that takes the focus for a control: its own or its item's.
  int focusElement(const ui::Control* c) const;
  // Gives element `id` the focus, its ring drawn first.
  void focus(int id);
  void sync(const ui::Control& c, int id);
  void markDirty(Area& a, const Span& s);
  void paintArea(Area& a);
  void touchInput(ui::Container& c, int type, float x, float y, float twipsPerPx);

  WebHost& host_;
  ui::Form* form_;
  Scale scale_;
  int window_ = 0;
  std::vector<std::unique_ptr<Area>> areas_;
  std::unordered_map<const ui::Container*, Area*> byContainer_;
  std::unordered_map<int, Area*> byCanvas_;
  std::unordered_map<const ui::Control*, int> widgets_;
  std::unordered_map<int, ui::Control*> controlsById_;
  // The element over each painted label; names and places follow the labels,
  // and only what changed goes to the page.
  struct Item {
    ui::Label* label;
    int id;
    std::string name;
    Span place{0, 0, -1, -1};
    bool shown = true;
  };
  std::vector<Item> items_;
  bool itemsStale_ = true;
  ui::Touch touch_;
  FocusRings rings_;
};

}  // namespace zemlox::web
