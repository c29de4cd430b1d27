// Main menu: layout, version line, lesson buttons and shutdown.
#include "app/frmMain.h"

#include "classroom/frm_Haifu.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace app {

frmMain::frmMain(ui::Application& app)
    : ui::Form(app, {"Zemlox", 6495, 3960, ui::sys::ButtonFace, true}) {}

frmMain::~frmMain() = default;

void frmMain::addMenuButton(ui::Button& b, const char* name, ui::RectF r, const char* caption,
                            int tab, void (frmMain::*handler)()) {
  add(b, name, r, &Frame1).setCaption(caption);
  b.setTabIndex(tab);
  b.onClick = [this, handler] { (this->*handler)(); };
}

void frmMain::design() {
  add(Label1, "Label1", {120, 120, 3495, 495});
  Label1.setCaption("Zemlox");
  Label1.setForeColor(0x00FF8080);
  Label1.setFont({ui::kPGothic, 18, true});
  add(lblVersion, "lblVersion", {1440, 600, 1815, 225});
  lblVersion.setForeColor(0x00FF0000);
  lblVersion.setCaption("ﾊﾞｰｼﾞｮﾝ");
  // An etched separator: a white 2-pixel line with a grey one over it.
  addLine(Line1[0], "Line1", 120, 960, 3240, 960, nullptr, 0).setColor(0x00FFFFFF);
  Line1[0].setWidthPixels(2);
  addLine(Line1[1], "Line1", 120, 960, 3240, 960, nullptr, 1).setColor(0x00808080);
  add(Picture1, "Picture1", {600, 1200, 2415, 2055}).setPicture(":/assets/menu.bmp", 164, 135);
  Picture1.setAccessibleName("なまずの絵");
  add(Frame1, "Frame1", {3480, 120, 2775, 3615}).setCaption("メニュー");
  addMenuButton(Command4, "Command4", {240, 360, 2295, 375}, "地震計の記録", 0, &frmMain::Command4_Click);
  addMenuButton(Command2, "Command2", {240, 960, 1095, 375}, "縦波（Ｐ波）", 1, &frmMain::Command2_Click);
  addMenuButton(Command1, "Command1", {1440, 960, 1095, 375}, "横波(Ｓ波)", 2, &frmMain::Command1_Click);
  addMenuButton(Command3, "Command3", {240, 1440, 2295, 375}, "縦波と横波の比較（点）", 3,
                &frmMain::Command3_Click);
  addMenuButton(Command6, "Command6", {240, 1920, 2295, 375}, "縦波と横波の比較（立体）", 4,
                &frmMain::Command6_Click);
  addMenuButton(Command5, "Command5", {240, 2520, 2295, 375}, "地震観測シミュレーション", 5,
                &frmMain::Command5_Click);
  addMenuButton(Command9, "Command9", {240, 3120, 2295, 375}, "終わる", 6, &frmMain::Command9_Click);
}

void frmMain::Form_Load() {
  const ui::Version v = ui::Application::version();
  lblVersion.setCaption("ﾊﾞｰｼﾞｮﾝ " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                        std::to_string(v.revision));
}

void frmMain::Form_Unload() {
  // Every other loaded window goes, newest first.
  for (int i = app().formCount() - 1; i >= 0; --i) {
    if (i >= app().formCount()) continue;
    ui::Form& f = app().form(i);
    if (&f != this) f.unload();
  }
}

template <class W>
void frmMain::showLesson(std::unique_ptr<W>& instance) {
  if (!instance) instance = std::make_unique<W>(app());
  instance->showModal(*this);
}

void frmMain::Command2_Click() { showLesson(pwave_); }
void frmMain::Command1_Click() { showLesson(swave_); }
void frmMain::Command3_Click() { showLesson(wave_); }
void frmMain::Command6_Click() { showLesson(wave2_); }
void frmMain::Command4_Click() { showLesson(kiroku_); }
void frmMain::Command5_Click() { showLesson(kansoku_); }
void frmMain::Command9_Click() { unload(); }

}  // namespace app
