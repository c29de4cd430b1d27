// P/S comparison on a solid block: layout and tick. A block is drawn from
// its vertical front lines; every other line is hung on their end points as
// already placed in the same tick.
#include "waves/frm_Wave2.h"

#include "lessons/lesson_layout.h"
#include "waves/wave_layout.h"
#include "waves/rows.h"

namespace waves {

using namespace ui;
using namespace lessons;

namespace {

// Distances in twips. The front face reaches from 100 above the band's
// centre line to 900 below it.
constexpr float kRestShift = 280;   // front line x at rest: width / 32 * k + left - this
constexpr float kAboveMid = 100;
constexpr float kFrontHeight = 1000;
constexpr float kDepthY = 500;      // depth lines rise this far...
constexpr float kPDepthX = 480;     // ...and run this far right in the P block
constexpr float kSDepthX = 360;     // ...and in the S block
constexpr float kSegment = 360;     // width of an S edge segment
constexpr Color kRed = 0x000000FF;

float mid(const Shape& band) { return band.height() / 2 + band.top(); }

// The right face behind a block's rightmost front line: its back edge is the
// front line moved by the depth vector, its bottom depth edge joins the two.
void placeRightFace(const Line& front, Line& back, Line& bottomDepth, float depthX) {
  back.setPoints(front.x1() + depthX, front.y1() - kDepthY, front.x2() + depthX,
                 front.y2() - kDepthY);
  bottomDepth.setPoints(back.x2(), back.y2(), front.x2(), front.y2());
}

}  // namespace

frm_Wave2::frm_Wave2(ui::Application& app)
    : ui::Form(app, {kComparisonCaption, 11670, 6990, ui::sys::ButtonFace, false}) {}

void frm_Wave2::design() {
  addHeading(*this, Label1, Label2, Command1, kComparisonCaption, 240);
  Command1.onClick = [this] { Command1_Click(); };
  addComparisonBands(*this, Shape1, Label3, Label4, kRed);
  addComparisonFrame(*this, Frame1, Label7, Label6, Label5, "線の動きに注目して下さい。");
  addTimer(Timer1, "Timer1", 12, true).onTimer = [this] { Timer1_Timer(); };
  designLines();
}

void frm_Wave2::designLines() {
  for (int i = 0; i < 31; ++i) {
    const float x = 360.0f * static_cast<float>(i + 1);
    addLine(Lz[i], "Lz", x, 1920, x, 2640, nullptr, i);
  }
  for (int i = 0; i < 31; ++i) {
    const float x = 360.0f * static_cast<float>(i + 1);
    addLine(Ly[i], "Ly", x + 480, 1320, x, 1920, nullptr, i);
  }
  addLine(Lx1, "Lx1", 120, 1920, 11520, 1920);
  addLine(Lx2, "Lx2", 120, 2640, 11520, 2640);
  addLine(Lx3, "Lx3", 120, 1320, 11520, 1320);
  addLine(Lz0, "Lz0", 11640, 1440, 11640, 2160);
  addLine(Ly0, "Ly0", 11640, 2280, 11400, 2640);
  for (int i = 31; i < 62; ++i) {
    const float x = 360.0f * static_cast<float>(62 - i);
    addLine(Lz[i], "Lz", x, 4440, x, 5160, nullptr, i);
  }
  for (int i = 31; i < 62; ++i) {
    const float x = 360.0f * static_cast<float>(62 - i);
    addLine(Ly[i], "Ly", x + 480, 3840, x, 4440, nullptr, i);
  }
  for (int j = 0; j < 30; ++j) {
    const float s = 360.0f * static_cast<float>(j);
    addLine(Lx4[j], "Lx4", 10800 - s, 4440, 11160 - s, 4440, nullptr, j);
    addLine(Lx5[j], "Lx5", 11160 - s, 5160, 10800 - s, 5160, nullptr, j);
    addLine(Lx6[j], "Lx6", 11640 - s, 3840, 11280 - s, 3840, nullptr, j);
  }
  addLine(Lz1, "Lz1", 11640, 3960, 11640, 4680);
  addLine(Ly1, "Ly1", 11640, 4800, 11280, 5160);
  // The middle slice of each block, to follow one piece of ground.
  for (int i : {15, 46}) {
    Lz[i].setColor(kRed);
    Ly[i].setColor(kRed);
  }
}

void frm_Wave2::Form_Load() {
  waveP_.phase = 0;
  waveS_.phase = 0;
}

void frm_Wave2::placeSlice(int i, float x, float top, float depthX) {
  Lz[i].setPoints(x, top, x, top + kFrontHeight);
  Ly[i].setPoints(x, top, x + depthX, top - kDepthY);
}

void frm_Wave2::placePEdges() {
  placeRightFace(Lz[30], Lz0, Ly0, kPDepthX);
  Lx1.setPoints(Lz[0].x2(), Lz[0].y2(), Lz[30].x2(), Lz[30].y2());
  Lx2.setPoints(Lz[0].x1(), Lz[0].y1(), Lz[30].x1(), Lz[30].y1());
  Lx3.setPoints(Ly[0].x2(), Ly[0].y2(), Ly[30].x2(), Ly[30].y2());
}

// Segment j of each S edge runs from line i = 31 + j to the height of its
// left neighbour i + 1, placed earlier in this tick; a fixed 360 wide, it
// stops just short of that line.
void frm_Wave2::placeSChains(int i, float x, float top) {
  const int j = i - 31;
  const float nextTop = Lz[i + 1].y1(), nextBottom = Lz[i + 1].y2();
  Lx4[j].setPoints(x, top, x - kSegment, nextTop);
  Lx5[j].setPoints(x, top + kFrontHeight, x - kSegment, nextBottom);
  Lx6[j].setPoints(x + kSDepthX, top - kDepthY, x + kSDepthX - kSegment, nextTop - kDepthY);
}

void frm_Wave2::Timer1_Timer() {
  moveRow(waveP_, kPRow, rectOf(Shape1[0]), kRestShift, mid(Shape1[0]) - kAboveMid,
          [this](int i, float x, float top) {
            placeSlice(i, x, top, kPDepthX);
            if (i == 30) placePEdges();
          });
  moveRow(waveS_, kSBlock, rectOf(Shape1[1]), kRestShift, mid(Shape1[1]) - kAboveMid,
          [this](int i, float x, float top) {
            placeSlice(i, x, top, kSDepthX);
            if (i != 61) placeSChains(i, x, top);
            if (i == 31) placeRightFace(Lz[31], Lz1, Ly1, kSDepthX);
          });
  waveP_.advance();
  waveS_.advance();
}

void frm_Wave2::Command1_Click() { unload(); }

}  // namespace waves
