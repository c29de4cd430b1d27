// 「この配置を配る」: the teacher's link to the observation window's layout
// and its QR code, large enough to scan from the back of a classroom when
// projected. The teacher chooses who the link is for and whether the
// hypocentre is hidden; on the desktop also the school's address of Zemlox.
#pragma once

#include <string>
#include <vector>

#include "observe/class_layout.h"
#include "ui/form.h"

namespace classroom {

class frm_Haifu : public ui::Form {
 public:
  explicit frm_Haifu(ui::Application& app);

  // What the link carries and where Zemlox is served; before it is shown.
  observe::ClassLayout layout;
  std::string address;
  std::string link() const;

  ui::Label Label1, lblFor, lblHypo, lblAddress, lblLink, lblNote;
  ui::PictureBox qrBox;
  std::vector<ui::Shape> modules;  // one rectangle per run of dark modules in a row
  ui::ComboBox cboFor, cboHypo, cboAddress;
  ui::Button cmdMake, cmdCopy, Command1;

  void cboFor_Click();
  void cboHypo_Click();
  void cmdMake_Click();
  void cmdCopy_Click();
  void Command1_Click();

 protected:
  void design() override;

 private:
  void designQr(const std::string& text);
  // The choices read again, and the window built afresh over its owner.
  void remake();
};

}  // namespace classroom
