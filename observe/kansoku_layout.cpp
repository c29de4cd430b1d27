// The observation window's layout in twips: heading, plan and section views
// with their dotted grids and markers, the record area with axes and tick
// marks, and the settings lists and buttons.
#include "observe/colours.h"
#include "observe/frm_Kansoku.h"

namespace observe {

using namespace ui;

namespace {

constexpr const char* kStationNames[5] = {"　A点", "　B点", "　C点", "　D点", "　E点"};
constexpr const char* kLetters[5] = {"A", "B", "C", "D", "E"};

// The window's own label font: small enough that a name such as "　震源"
// stays on one line in its 495-twip label, with the marker in the blank.
const Font kLabelFont{kPGothic, 8.25f, false};

Label& caption(Form& f, Label& l, const char* name, RectF r, Container* parent, const char* text,
               Color fore = sys::WindowText, bool transparent = false) {
  f.add(l, name, r, parent).setCaption(text);
  l.setFont(kLabelFont);
  l.setForeColor(fore);
  l.setTransparent(transparent);
  return l;
}

void dotted(Form& f, Line& l, const char* name, int index, float x1, float y1, float x2, float y2,
            Container* parent, Color c) {
  f.addLine(l, name, x1, y1, x2, y2, parent, index).setColor(c);
  l.setStyle(LineStyle::Dot);
}

Shape& marker(Form& f, Shape& s, const char* name, int index, RectF r, Container* parent,
              Color fill, Color border) {
  f.add(s, name, r, parent, index);
  s.setShape(ShapeKind::Circle);
  s.setFilled(true);
  s.setFillColor(fill);
  s.setBorderColor(border);
  return s;
}

}  // namespace

void frm_Kansoku::design() {
  caption(*this, Label1, "Label1", {120, 0, 2655, 375}, nullptr, "Zemlox", 0x00FF8080)
      .setFont({kPGothic, 14.25f, false});
  caption(*this, Label2, "Label2", {720, 360, 4695, 495}, nullptr, "地震観測シミュレーション",
          0x00FF8080)
      .setFont({kPGothic, 20.25f, true});
  caption(*this, Label5, "Label5", {480, 840, 5775, 255}, nullptr,
          "震央距離とゆれはじめの時間や初期微動継続時間の関係を考えてみよう。");
  designViews();
  designRecord();
  designSettings();
  if (classMode()) designClass();
}

void frm_Kansoku::designViews() {
  add(map1, "map1", {120, 1080, 6135, 3615}).setBackColor(kPlanBack);
  map1.setAccessibleName("水平面");
  map1.surface().setFill(kPlanBack);
  map1.onMouseMove = [this](MouseState s, float x, float y) { map1_MouseMove(s, x, y); };
  // One grid step, 600 twips, is the unit of distance the pupil reads.
  for (int k = 0; k < 5; ++k) {
    const float y = 600.0f * static_cast<float>(k + 1);
    dotted(*this, Line2[k], "Line2", k, 0, y, 6240, y, &map1, sys::ActiveBorder);
  }
  for (int k = 0; k < 10; ++k) {
    const float x = 480 + 600.0f * static_cast<float>(k);
    dotted(*this, Line2[5 + k], "Line2", 5 + k, x, 0, x, 3720, &map1, sys::ActiveBorder);
  }
  caption(*this, Label7, "Label7", {5280, 3120, 735, 255}, &map1, "水平面", 0x00008080)
      .setFont({kPGothic, 12, false});
  for (int i = 0; i < 5; ++i) {
    const float step = 600.0f * static_cast<float>(i);
    marker(*this, obs[i], "obs", i, {1020, 2960 - step, 135, 135}, &map1, kStationFill,
           kStationBorder);
  }
  for (int i = 0; i < 5; ++i) {
    const float step = 600.0f * static_cast<float>(i);
    // The marker sits in the label's leading blank; the label takes the clicks.
    add(nobj[i], "nobj", {1200, 3000 - step, 495, 255}, &map1, i).setCaption(kStationNames[i]);
    nobj[i].setTransparent(true);
    nobj[i].setFont(kLabelFont);
    nobj[i].onClick = [this, i] { nobj_Click(i); };
    nobj[i].onMouseMove = [this, i](MouseState s, float x, float y) { nobj_MouseMove(i, s, x, y); };
  }

  add(map2, "map2", {120, 4680, 6135, 1815}).setBackColor(kSectionBack);
  map2.setAccessibleName("縦断面");
  map2.surface().setFill(kSectionBack);
  map2.onMouseMove = [this](MouseState s, float x, float y) { map2_MouseMove(s, x, y); };
  for (int k = 0; k < 10; ++k) {
    const float x = 480 + 600.0f * static_cast<float>(k);
    dotted(*this, Line3[k], "Line3", k, x, 0, x, 1800, &map2, 0x00C0E0FF);
  }
  for (int k = 0; k < 2; ++k) {
    const float y = 600.0f * static_cast<float>(k + 1);
    dotted(*this, Line3[10 + k], "Line3", 10 + k, 0, y, 6240, y, &map2, 0x00C0E0FF);
  }
  caption(*this, Label8, "Label8", {5280, 240, 735, 255}, &map2, "縦断面", 0x00004040)
      .setFont({kPGothic, 12, false});
  marker(*this, foc, "foc", -1, {1020, 1140, 135, 135}, &map2, kFocusFill, kFocusBorder);
  caption(*this, nfoc, "nfoc", {1440, 720, 495, 255}, &map2, "　震源", 0x000000C0, true);
  nfoc.onClick = [this] { nfoc_Click(); };
  nfoc.onMouseMove = [this](MouseState s, float x, float y) { nfoc_MouseMove(s, x, y); };
  dotted(*this, lfoc, "lfoc", -1, 1087.5f, 0, 1087.5f, 1140, &map2, 0x000000FF);
  caption(*this, nfoc2, "nfoc2", {2400, 0, 495, 255}, &map2, " 震央", 0x008080FF, true);

  // The keys reach the stations and then the hypocentre after the buttons:
  // Space picks up and puts down as a click on the label does.
  for (int i = 0; i < 5; ++i)
    keyboard().addTarget(nobj[i], [this, i] { return stationMoving != "no" && movingIndex == i; });
  keyboard().addTarget(nfoc, [this] { return focMoving != "no"; });
}

void frm_Kansoku::designRecord() {
  add(kiroku, "kiroku", {6360, 120, 4575, 7695}).setBackColor(sys::WindowBackground);
  kiroku.setAccessibleName("記録（縦軸：震央距離、横軸：時間）");
  addLine(tate, "tate", 240, 7560, 240, 240, &kiroku).setColor(sys::WindowText);
  addLine(Line1, "Line1", 240, 7560, 4440, 7560, &kiroku).setColor(sys::WindowText);
  for (int k = 0; k < 13; ++k) {
    const float y = 7560 - 600.0f * static_cast<float>(k);
    addLine(Line4[k], "Line4", 120, y, 240, y, &kiroku, k).setColor(k == 8 ? 0x00004080 : 0x00000080);
  }
  caption(*this, Label4, "Label4", {120, 120, 855, 255}, &kiroku, "震央距離", sys::WindowText, true);
  caption(*this, Label3, "Label3", {4080, 7320, 375, 255}, &kiroku, "時間", sys::WindowText, true);
  for (int i = 0; i < 5; ++i) {
    // Tops follow the stations in Form_Load.
    add(n_obj[i], "n_obj", {120, 0, i == 3 ? 375.0f : 735.0f, 255}, &kiroku, i);
    n_obj[i].setCaption(kLetters[i]);
    n_obj[i].setTransparent(true);
    n_obj[i].setFont(kLabelFont);
  }
}

void frm_Kansoku::designSettings() {
  caption(*this, Label9, "Label9", {240, 6600, 1095, 255}, nullptr, "地震の大きさ");
  add(mag, "mag", {480, 6840, 615, 300}).setItems({"小", "中", "大"});
  mag.setText("中");
  mag.onClick = [this] { mag_Click(); };
  mag.setAccessibleName("地震の大きさ");
  caption(*this, Label10, "Label10", {1440, 6600, 1335, 255}, nullptr, "ｼﾐｭﾚｰｼｮﾝの速度");
  add(speed, "speed", {1680, 6840, 615, 300}).setItems({"速", "中", "遅"});
  speed.setText("中");
  speed.onClick = [this] { speed_Click(); };
  speed.setAccessibleName("ｼﾐｭﾚｰｼｮﾝの速度");

  struct ButtonRow { Button& b; const char* name; RectF r; const char* text; bool shown; };
  for (ButtonRow row : {ButtonRow{Command2, "Command2", {3000, 6600, 975, 375}, "地震発生", true},
                        ButtonRow{Command3, "Command3", {4080, 6600, 975, 375}, "一時停止", false},
                        ButtonRow{Command4, "Command4", {5160, 6600, 975, 375}, "再スタート", false},
                        ButtonRow{Command5, "Command5", {4080, 7080, 975, 375}, "印刷", false},
                        ButtonRow{Command1, "Command1", {5160, 7080, 975, 375}, "閉じる", true}}) {
    add(row.b, row.name, row.r).setCaption(row.text);
    row.b.setVisible(row.shown);
  }
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };

  caption(*this, objido, "objido", {1080, 7560, 5175, 135}, nullptr,
          "観測点や震源をクリックすると移動します。再度クリックすると固定します。")
      .setFont({kPGothic, 8.25f, false});
  addTimer(Timer1, "Timer1", 20, false).onTimer = [this] { Timer1_Timer(); };
}

}  // namespace observe
