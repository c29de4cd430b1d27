// A finger on a window: the mouse's press, moves and release, with wider
// areas to hit. A drag that starts on an item that can be picked up carries
// it and puts it down where the finger lifts; a tap picks it up and the next
// tap puts it down. Buttons, lists and the host's own boxes answer up to
// half the gap to their neighbours. Nothing here changes what is drawn.
#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

class ComboBox;

// The least side of an item's touch area, and how far a finger may wander
// before a tap becomes a drag, in CSS pixels.
inline constexpr float kTouchSidePx = 44;
inline constexpr float kTouchSlopPx = 8;

// Something a finger can hit. A widening area answers within `reach` of its
// box and over at least `side` x `side` around its middle; a plain one only
// over its box (a drawing area that neighbours a button).
struct TouchArea {
  RectF box;
  bool widens = true;
};

// The area a touch at (x, y) is for, or -1: the one whose box is nearest
// (the later one on a tie: it is drawn on top), where its touch area holds
// the point. So no area reaches over another's box, and two neighbours
// split the gap between them.
int pickTouchArea(const std::vector<TouchArea>& areas, float x, float y, float reach, float side);

class Touch {
 public:
  // A box the host draws itself (a title bar's close box), by the host's id.
  struct Extra {
    RectF box;
    int id;
  };
  // What the host does when the finger lifts: nothing, open a list, or
  // work one of its extras.
  struct Outcome {
    ComboBox* list = nullptr;
    int extra = 0;
  };

  // (x, y) in `c`'s twips; `twipsPerPx` turns CSS pixels into them.
  void press(Container& c, float x, float y, float twipsPerPx, std::vector<Extra> extras = {});
  void move(Container& c, float x, float y);
  Outcome release(Container& c, float x, float y);
  // The browser took the touch over: a dragged item is put down where it is.
  void cancel(Container& c);
  // Forgets the touch under way (the window is unloading).
  void reset() { *this = Touch(); }

 private:
  // Candidates in `c`: its targets, buttons, lists and drawing areas, then the extras.
  std::vector<TouchArea> areasOf(const Container& c, std::vector<Control*>& controls) const;
  int pick(const Container& c, float x, float y, Control** control) const;

  Container* container_ = nullptr;
  Control* target_ = nullptr;
  int extra_ = 0;
  std::vector<Extra> extras_;
  float x0_ = 0, y0_ = 0, twipsPerPx_ = 15;
  bool down_ = false, pickedUp_ = false, dragging_ = false, pressedArea_ = false;
};

}  // namespace ui
