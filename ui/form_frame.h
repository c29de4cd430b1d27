// What a host shows of one loaded window, frame by frame: the areas it paints
// (the client area, each frame, each picture box) with their device rectangles,
// the dirty rectangles of each since the host last took them, their paint
// lists, and the items over painted labels as changes for assistive technology.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/dirty_rects.h"
#include "ui/drawing_layer.h"
#include "ui/form.h"
#include "ui/paint_list.h"

namespace ui {

class FormFrame {
 public:
  enum class AreaKind { Window, Frame, Picture };
  struct Area {
    AreaKind kind;
    Container* container;
    Control* control = nullptr;  // null for the client area
    int parent = -1;             // the area it lies in; -1 for the client area
    DrawingLayer* layer = nullptr;
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
  struct ItemChange {
    size_t item;
    bool name = false, place = false, shown = false;
    // Where the focus goes if the item hid while it had it.
    Control* handOn = nullptr;
  };

  // Walks the window's areas (a parent before its children) and labels.
  // `changed` runs when there is something for the host to take where there
  // was nothing: the host takes everything in one go.
  FormFrame(Form& form, std::function<void()> changed);
  FormFrame(const FormFrame&) = delete;
  FormFrame& operator=(const FormFrame&) = delete;

  const std::vector<Area>& areas() const { return areas_; }
  // The drawing surface of an area: the window's or a picture box's; none
  // for a frame.
  Surface* surfaceOf(size_t area) const;
  // The area of a container; -1 for none.
  int areaOf(const Container& c) const;
  // The drawing layer the host made for an area's surface.
  void setLayer(size_t area, DrawingLayer* layer) { areas_[area].layer = layer; }

  // A new scale: every area is placed again and wholly dirty, every item
  // checked. The grid's unit is the host's own pixel, in which it places
  // its windows and widgets.
  void setGrid(const PixelGrid& grid);
  const PixelGrid& grid() const { return grid_; }
  // Where a rectangle in twips of a container stands in its device pixels.
  PxRect rectOf(const RectF& r) const;

  void invalidate(const Container& c, const RectF& r);
  void invalidateAll(const Container& c);
  void markDirty(size_t area, const PxRect& r);
  // The area's dirty rectangles, leaving none.
  std::vector<PxRect> takeDirty(size_t area) { return areas_[area].dirty.take(); }
  // The area's paint list for the part `clip` of it.
  void paint(size_t area, const PxRect& clip, PaintList& out) const;

  const std::vector<Item>& items() const { return items_; }
  // What a label shows assistive technology may have changed; all labels.
  void labelChanged(const Control& label);
  void labelsChanged();
  // The items whose name, place or visibility changed since the last call.
  std::vector<ItemChange> itemChanges();

 private:
  void addAreas(Container& c, int parent);
  void changed();

  Form& form_;
  std::function<void()> changed_;
  PixelGrid grid_{0};
  std::vector<Area> areas_;
  std::vector<Item> items_;
  bool itemsStale_ = true;
  size_t last_ = 0;  // the area the last invalidate went to: a tick's mostly share one
};

}  // namespace ui
