// Building paint lists.
#include "ui/paint_list.h"

namespace ui {

void PaintList::text(TextRun run) {
  if (run.box.empty() || run.lines.empty()) return;
  PaintItem i;
  i.kind = PaintItem::Text;
  i.rect = run.box;
  i.index = static_cast<int>(texts_.size());
  texts_.push_back(std::move(run));
  items_.push_back(i);
}

void PaintList::image(const std::string& resource, const PxRect& to, const PxRect& clip) {
  PaintItem i;
  i.kind = PaintItem::Image;
  i.rect = to;
  i.clip = clip;
  i.index = static_cast<int>(images_.size());
  images_.push_back(resource);
  items_.push_back(i);
}

void PaintList::drawing(const DrawingLayer& layer) {
  PaintItem i;
  i.kind = PaintItem::Drawing;
  i.layer = &layer;
  items_.push_back(i);
}

void PaintList::stamp(const Stamp& s, int x, int y) {
  PaintItem i;
  i.kind = PaintItem::Stamped;
  i.rect = {x, y, s.w, s.h};
  i.stamp = &s;
  items_.push_back(i);
}

void PaintList::clear() {
  items_.clear();
  texts_.clear();
  images_.clear();
}

}  // namespace ui
