// Placing stations and the hypocentre: a click on a name label picks the
// item up, it then follows the pointer with no button held (top-left corner
// 50 twips up and left of the pointer), and a second click drops it.
#include "observe/colours.h"
#include "observe/frm_Kansoku.h"

namespace observe {

namespace {

// Puts the pointer inside the 135-twip marker, near its centre.
constexpr float kPointerOffset = 50;

// The host keeps sending moves to a view while a button is held and the
// pointer is outside it; the item stays where it was until the pointer is back.
bool inside(const ui::PictureBox& view, float x, float y) {
  return x >= 0 && y >= 0 && x < view.width() && y < view.height();
}

}  // namespace

void frm_Kansoku::nobj_Click(int i) {
  if (stationMoving == "no" && !Timer1.enabled()) {
    stationMoving = "yes";
    movingIndex = i;
    map1.bringToFront(nobj[i]);
    obs[i].setFillColor(kCarriedFill);
    hideRunButtons();
    layoutMoved();
    map1.surface().clear();
    map2.surface().clear();
  } else {
    // Also a click during a run, or on another station while one is carried.
    stationMoving = "no";
    obs[i].setFillColor(kStationFill);
  }
}

void frm_Kansoku::nfoc_Click() {
  if (focMoving == "no" && !Timer1.enabled()) {
    focMoving = "yes";
    foc.setFillColor(kCarriedFill);
    hideRunButtons();
    layoutMoved();
    map1.surface().clear();
    map2.surface().clear();
  } else {
    focMoving = "no";
    foc.setFillColor(kFocusFill);
    alignEpicentreLine();
  }
}

void frm_Kansoku::map1_MouseMove(ui::MouseState, float x, float y) {
  if (guessMoving == 0 && inside(map1, x, y)) moveGuess(0, x - kPointerOffset, y - kPointerOffset);
  if (stationMoving == "no" || !inside(map1, x, y)) return;
  const int s = movingIndex;
  nobj[s].move(x - kPointerOffset, y - kPointerOffset);
  obs[s].move(x - kPointerOffset, y - kPointerOffset);
}

void frm_Kansoku::nobj_MouseMove(int i, ui::MouseState, float x, float y) {
  const int s = movingIndex;
  if (stationMoving == "no" || i != s) return;
  if (!inside(map1, nobj[s].left() + x, nobj[s].top() + y)) return;
  // The marker moves by the label's step and keeps its offset from the label.
  const float dx = x - kPointerOffset, dy = y - kPointerOffset;
  nobj[s].move(nobj[s].left() + dx, nobj[s].top() + dy);
  obs[s].move(obs[s].left() + dx, obs[s].top() + dy);
}

void frm_Kansoku::map2_MouseMove(ui::MouseState, float x, float y) {
  if (guessMoving == 1 && inside(map2, x, y)) moveGuess(1, x - kPointerOffset, y - kPointerOffset);
  if (focMoving == "no" || !inside(map2, x, y)) return;
  if (moveHypocentre(x - kPointerOffset, y - kPointerOffset))
    nfoc.move(x - kPointerOffset, y - kPointerOffset);
}

void frm_Kansoku::nfoc_MouseMove(ui::MouseState, float x, float y) {
  if (focMoving == "no" || !inside(map2, nfoc.left() + x, nfoc.top() + y)) return;
  const float dx = x - kPointerOffset, dy = y - kPointerOffset;
  if (moveHypocentre(foc.left() + dx, foc.top() + dy))
    nfoc.move(nfoc.left() + dx, nfoc.top() + dy);
}

// From inside the view the centre stays at least 17.5 twips deep; the run
// divides by distances that need a depth above 0, so no move may end above it.
bool frm_Kansoku::moveHypocentre(float left, float top) {
  if (top + foc.width() / 2 <= 0) return false;
  foc.move(left, top);
  return true;
}

}  // namespace observe
