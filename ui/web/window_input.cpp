// One window's input from the page: pointer and touch on its canvases in
// twips of the area under them, and its buttons, lists and label elements
// by element number.
#include <algorithm>

#include "ui/units.h"
#include "ui/web/dom.h"
#include "ui/web/web_host.h"
#include "ui/web/window_view.h"

namespace zemlox::web {

bool WindowView::pointer(int canvas, int type, double x, double y, int buttons, int mods, bool touch) {
  if (!form_) return false;
  ui::Container* area = nullptr;
  if (canvas == window_ && touch) {
    area = form_;
  } else if (auto it = std::find(canvases_.begin(), canvases_.end(), canvas); it != canvases_.end()) {
    area = scene_->areas()[static_cast<size_t>(it - canvases_.begin())].container;
  }
  if (!area) return false;
  ui::Container& c = *area;
  // CSS pixels as the page was last laid out: a change of ratio lays it out anew.
  const double toTwips = scale_.unit * ui::kTwipsPerPixel / scale_.s;
  const float tx = static_cast<float>(x * toTwips), ty = static_cast<float>(y * toTwips);
  if (touch) {
    touchInput(c, type, tx, ty, static_cast<float>(toTwips));
    return true;
  }
  ui::MouseState s{buttons, mods};
  switch (type) {
    case 0: c.mouseMove(s, tx, ty); break;
    case 1: c.mouseDown(s, tx, ty); break;
    case 2: c.mouseUp(s, tx, ty); break;
    default: break;
  }
  return true;
}

// type: 0 move, 1 press, 2 release, 3 the browser cancelled the touch.
void WindowView::touchInput(ui::Container& c, int type, float x, float y, float twipsPerPx) {
  switch (type) {
    case 0: touch_.move(c, x, y); break;
    case 1: {
      std::vector<ui::Touch::Extra> extras;
      if (&c == form_) {
        // The title bar's close box, a title bar high and wide, above the client area.
        const auto side = static_cast<float>(kTitleBarPx * ui::kTwipsPerPixel);
        extras.push_back({{form_->style().clientWidth - side, -side, side, side}, window_});
      }
      touch_.press(c, x, y, twipsPerPx, std::move(extras));
      break;
    }
    case 2: {
      const ui::Touch::Outcome out = touch_.release(c, x, y);
      if (out.extra == window_ && form_) form_->closeBox();
      else if (auto w = widgets_.find(out.list); out.list && w != widgets_.end()) dom::openList(w->second);
      break;
    }
    default: touch_.cancel(c); break;
  }
}

bool WindowView::buttonClicked(int id) {
  auto it = controlsById_.find(id);
  if (it == controlsById_.end() || it->second->kind() != ui::ControlKind::Button) return false;
  static_cast<ui::Button*>(it->second)->click();
  return true;
}

bool WindowView::comboPicked(int id, int index) {
  auto it = controlsById_.find(id);
  if (it == controlsById_.end() || it->second->kind() != ui::ControlKind::ComboBox) return false;
  static_cast<ui::ComboBox*>(it->second)->pick(index);
  return true;
}

bool WindowView::comboStepped(int id, int direction) {
  auto it = controlsById_.find(id);
  if (it == controlsById_.end() || it->second->kind() != ui::ControlKind::ComboBox) return false;
  static_cast<ui::ComboBox*>(it->second)->step(direction);
  return true;
}

bool WindowView::comboTyped(int id, const std::string& text) {
  auto it = controlsById_.find(id);
  if (it == controlsById_.end() || it->second->kind() != ui::ControlKind::ComboBox) return false;
  static_cast<ui::ComboBox*>(it->second)->type(text);
  return true;
}

std::optional<bool> WindowView::itemKey(int id, ui::Key key, int shift) {
  auto it = std::find(items_.begin(), items_.end(), id);
  if (it == items_.end() || !form_) return std::nullopt;
  ui::Label& label = *scene_->items()[static_cast<size_t>(it - items_.begin())].label;
  return form_->keyboard().press(label, key, shift);
}

}  // namespace zemlox::web
