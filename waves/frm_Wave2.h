// The P/S comparison on a solid block: two wire-frame blocks of ground in
// oblique projection. The P wave slides the upper block's vertical lines
// along it; the S wave lifts and lowers the lower block's lines, bending its
// top, bottom and back edges into a travelling wave.
#pragma once

#include <array>

#include "ui/form.h"
#include "waves/wave_rule.h"

namespace waves {

class frm_Wave2 : public ui::Form {
 public:
  explicit frm_Wave2(ui::Application& app);

  ui::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7;
  ui::Button Command1;
  std::array<ui::Shape, 2> Shape1;
  ui::Frame Frame1;
  ui::Timer Timer1;
  // Vertical front lines and the depth lines from their tops: 0..30 the P
  // block from the left, 31..61 the S block from the right.
  std::array<ui::Line, 62> Lz, Ly;
  // P block: bottom, top and back-top edges; right face back edge and depth.
  ui::Line Lx1, Lx2, Lx3, Lz0, Ly0;
  // S block: top, bottom and back-top edges as chains of segments, segment j
  // running from line 31 + j towards line 32 + j; right face as above.
  std::array<ui::Line, 30> Lx4, Lx5, Lx6;
  ui::Line Lz1, Ly1;

  double phaseP() const { return waveP_.phase; }
  double phaseS() const { return waveS_.phase; }

  void Timer1_Timer();
  void Command1_Click();

 protected:
  void design() override;
  void Form_Load() override;

 private:
  void designLines();
  void placeSlice(int i, float x, float top, float depthX);
  void placePEdges();
  void placeSChains(int i, float x, float top);

  Wave waveP_{0, std::numbers::pi / 5};
  Wave waveS_{0, std::numbers::pi / 10};
};

}  // namespace waves
