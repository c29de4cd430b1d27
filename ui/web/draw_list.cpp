// Building and replaying draw lists.
#include "ui/web/draw_list.h"

#include <cmath>

#include "ui/web/dom.h"

namespace zemlox::web {
namespace {

int32_t ptr(const char* p) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(p)); }

}  // namespace

void DrawList::colour(ui::Color c) {
  // Most fills of a list have the colour of the one before.
  if (c == given_ && colour_ >= 0) return;
  given_ = c;
  const ui::Color v = ui::resolve(c);
  const int32_t rgb = (ui::red(v) << 16) | (ui::green(v) << 8) | ui::blue(v);
  if (rgb == colour_) return;
  op(Colour);
  ops_.push_back(rgb);
  colour_ = rgb;
}

void DrawList::rect(const Span& s) {
  if (s.w <= 0 || s.h <= 0) return;
  if (open_ < 0) {
    op(Rects);
    open_ = static_cast<long>(ops_.size());
    ops_.push_back(0);
  }
  ++ops_[static_cast<size_t>(open_)];
  ops_.push_back(s.x);
  ops_.push_back(s.y);
  ops_.push_back(s.w);
  ops_.push_back(s.h);
}

void DrawList::clip(const std::vector<Span>& area) {
  op(Clip);
  ops_.push_back(static_cast<int32_t>(area.size()));
  for (const Span& s : area) ops_.insert(ops_.end(), {s.x, s.y, s.w, s.h});
}

void DrawList::unclip() {
  op(Unclip);
  colour_ = -1;  // the canvas state the colour lived in is gone
}

void DrawList::text(const Span& box, int sizePx, Face face, int strike, const std::vector<std::string>& lines,
                    int baseline, int lineStep) {
  if (lines.empty() || box.w <= 0 || box.h <= 0) return;
  std::string joined;
  for (size_t k = 0; k < lines.size(); ++k) joined += (k ? "\n" : "") + lines[k];
  const char* kept = keep(joined);
  op(Text);
  const int32_t flags = (static_cast<int32_t>(face) << 4) | (strike << 8);
  ops_.insert(ops_.end(), {box.x, box.y, box.w, box.h, sizePx, flags, ptr(kept),
                           static_cast<int32_t>(joined.size()), baseline, lineStep});
}

void DrawList::layer(int id, int x, int y) {
  op(Layer);
  ops_.insert(ops_.end(), {id, x, y});
}

void DrawList::pixels(const uint32_t* p, int stride, int rows, const Span& s) {
  if (s.w <= 0 || s.h <= 0) return;
  op(Pixels);
  ops_.insert(ops_.end(), {static_cast<int32_t>(reinterpret_cast<intptr_t>(p)), stride, rows, s.x, s.y, s.w, s.h});
}

void DrawList::image(const std::string& url, const ui::PxRect& to) {
  const char* kept = keep(url);
  op(Image);
  ops_.insert(ops_.end(), {to.x, to.y, to.w, to.h, ptr(kept), static_cast<int32_t>(url.size())});
}

const char* DrawList::keep(const std::string& s) {
  strings_.push_back(s);
  return strings_.back().c_str();
}

void DrawList::replayOn(int target) {
  if (!ops_.empty()) dom::replay(target, ops_.data(), static_cast<int>(ops_.size()));
  clear();
}

void DrawList::clear() {
  ops_.clear();
  strings_.clear();
  colour_ = -1;
  open_ = -1;
}

}  // namespace zemlox::web
