// The main menu: title, version line, the menu picture and seven buttons.
// Each lesson button shows its lesson window modally over the menu; the
// lesson windows are created on first use and kept to the end of the run.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "ui/form.h"

namespace waves { class frm_Pwave; class frm_Swave; class frm_Wave; class frm_Wave2; }
namespace record { class frm_Kiroku; }
namespace observe { class frm_Kansoku; }
namespace classroom { class frm_Haifu; }

namespace app {

class frmMain : public ui::Form {
 public:
  explicit frmMain(ui::Application& app);
  ~frmMain() override;

  ui::Label Label1, lblVersion;
  std::array<ui::Line, 2> Line1;
  ui::PictureBox Picture1;
  ui::Frame Frame1;
  ui::Button Command1, Command2, Command3, Command4, Command5, Command6, Command9;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command9_Click();

  // The shared lesson instances, null until first opened.
  waves::frm_Pwave* pwave() const { return pwave_.get(); }
  waves::frm_Swave* swave() const { return swave_.get(); }
  waves::frm_Wave* wave() const { return wave_.get(); }
  waves::frm_Wave2* wave2() const { return wave2_.get(); }
  record::frm_Kiroku* kiroku() const { return kiroku_.get(); }
  observe::frm_Kansoku* kansoku() const { return kansoku_.get(); }
  classroom::frm_Haifu* haifu() const { return haifu_.get(); }

  // A class (class_link.cpp): a teacher's link opens the observation window
  // with its layout (the text after '#'; other text opens nothing), and
  // 「この配置を配る」 hands the window's layout on. `siteAddress` is where the
  // browser edition was opened, empty on the desktop.
  void openLink(std::string_view fragment);
  void shareLayout();
  std::string siteAddress;
  bool pupilMode() const;

 protected:
  void design() override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  template <class W>
  void showLesson(std::unique_ptr<W>& instance);
  void addMenuButton(ui::Button& b, const char* name, ui::RectF r, const char* caption, int tab,
                     void (frmMain::*handler)());

  std::unique_ptr<waves::frm_Pwave> pwave_;
  std::unique_ptr<waves::frm_Swave> swave_;
  std::unique_ptr<waves::frm_Wave> wave_;
  std::unique_ptr<waves::frm_Wave2> wave2_;
  std::unique_ptr<record::frm_Kiroku> kiroku_;
  std::unique_ptr<observe::frm_Kansoku> kansoku_;
  std::unique_ptr<classroom::frm_Haifu> haifu_;
};

}  // namespace app
