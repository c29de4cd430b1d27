// Everything a host shows of one loaded window, kept by the window layer: its
// areas (the client area, each frame, each picture box) with their device
// rectangles and drawing layers, and what changed since the host last took
// it: dirty rectangles and paint lists, native widgets to place or refill,
// the items over painted labels for assistive technology, announcements.
// The window reports its changes here (it is the window's FormView); the
// host only applies what take() hands it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/dirty_rects.h"
#include "ui/drawing_layer.h"
#include "ui/form.h"
#include "ui/paint_list.h"
#include "ui/window_changes.h"

namespace ui {

class WindowScene : public FormView {
 public:
  enum class AreaKind { Window, Frame, Picture };
  struct Area {
    AreaKind kind;
    Container* container;
    Control* control = nullptr;  // null for the client area
    int parent = -1;             // the area it lies in; -1 for the client area
    DrawingLayer* layer = nullptr;  // the area's surface's; none for a frame
    PxRect rect;  // device pixels in its parent area
    DirtyRects dirty;
  };
  // The item over a painted label, as the host was last told it.
  struct Item {
    Label* label;
    bool target;  // the keys can pick it up
    int area;
    std::string name;
    PxRect place{0, 0, -1, -1};  // device pixels in its area
    bool shown = true;
    bool stale = true;
  };
  // Walks the window's areas (a parent before its children) and labels, and
  // gives each surface a drawing layer in the host's byte order. A surface
  // that had a sink (a test's recorder) still gets every drawing.
  WindowScene(Form& form, ByteOrder order);
  ~WindowScene() override;
  WindowScene(const WindowScene&) = delete;
  WindowScene& operator=(const WindowScene&) = delete;

  Form& form() const { return form_; }
  const std::vector<Area>& areas() const { return areas_; }
  // The area of a container; -1 for none.
  int areaOf(const Container& c) const;

  // A new scale: every area is placed again and wholly dirty, every widget
  // and item placed again. The grid's unit is the host's own pixel, in which
  // it places its windows and widgets.
  void setGrid(const PixelGrid& grid);
  const PixelGrid& grid() const { return grid_; }
  // Where a rectangle in twips of a container stands in its device pixels.
  PxRect rectOf(const RectF& r) const { return grid_.areaRect(r); }
  // Where a widget control stands in its area.
  PxRect placeOf(const Control& c) const;

  // Whether anything waits for the host.
  bool pending() const { return pending_; }
  // What changed since the last call, leaving nothing. With `lists`, each
  // repainted area comes with its paint list (kept here until the next
  // call); without, the host asks paint() when the platform repaints.
  WindowChanges take(bool lists);
  // The area's paint list for the part `clip` of it.
  void paint(size_t area, const PxRect& clip, PaintList& out) const;

  const std::vector<Item>& items() const { return items_; }

  // FormView: what the window reports.
  void invalidate(const Container& c, const RectF& r) override;
  void widgetChanged(const Control& c) override;
  void inputEnabledChanged() override;
  void announce(const std::string& text) override;
  void accessChanged(const Control& c) override;

  void invalidateAll(const Container& c);
  void markDirty(size_t area, const PxRect& r);
  // Every area painted again by the next frame (something it shows came in).
  void repaintAll();
  // Everything shown again by the next frame: every area, widget and item,
  // for a host that lost what it showed or has never shown it.
  void showAll();

 private:
  class Layer;
  void addAreas(Container& c, int parent);
  void addLayer(size_t area, Surface& s, ByteOrder order);
  // A picture box with nothing under its drawings gets an opaque layer that
  // holds its background too: the host copies it once, with no fill beneath.
  void fitLayer(const PictureBox& box);
  void labelsChanged();
  void allWidgetsChanged();
  std::vector<ItemChange> itemChanges();
  void wanted();

  Form& form_;
  PixelGrid grid_{0};
  std::vector<Area> areas_;
  std::vector<std::unique_ptr<Layer>> layers_;
  std::vector<Item> items_;
  // Changed since the host last took them, with where the focus goes from
  // one that hid, decided when it hid.
  std::vector<WidgetChange> widgets_;
  std::vector<std::string> announcements_;
  std::vector<PaintList> lists_;  // by area, reused
  bool itemsStale_ = true;
  bool inputChanged_ = false;
  bool pending_ = false;
  size_t last_ = 0;  // the area the last invalidate went to: a tick's mostly share one
};

}  // namespace ui
