// The way a class reaches the observation window: a teacher's link opens it
// with the link's layout (a link that cannot be read opens the opening
// layout and says so), and 「この配置を配る」 opens the link window over it,
// first turning the window into the class's with the layout it shows.
#include "app/frmMain.h"
#include "classroom/frm_Haifu.h"
#include "observe/frm_Kansoku.h"

namespace app {

void frmMain::openLink(std::string_view fragment) {
  const observe::LinkRead read = observe::readLink(fragment);
  if (!read.isLink) return;
  if (!kansoku_) kansoku_ = std::make_unique<observe::frm_Kansoku>(app());
  if (kansoku_->loaded()) kansoku_->unload();
  kansoku_->setClassLayout(read.layout);
  kansoku_->onShare = [this] { shareLayout(); };
  kansoku_->showModal(*this);
  if (!read.ok) kansoku_->sayToClass(observe::kBadLinkMessage);
}

bool frmMain::pupilMode() const {
  return kansoku_ && kansoku_->classLayout() && kansoku_->classLayout()->pupil;
}

void frmMain::shareLayout() {
  if (pupilMode() || (haifu_ && haifu_->loaded())) return;
  if (!kansoku_) kansoku_ = std::make_unique<observe::frm_Kansoku>(app());
  if (!kansoku_->loaded() || !kansoku_->classMode()) {
    // The window opens again with its buttons for the class, its layout kept.
    const observe::ClassLayout kept = kansoku_->loaded() ? kansoku_->currentLayout() : observe::ClassLayout{};
    if (kansoku_->loaded()) kansoku_->unload();
    kansoku_->setClassLayout(kept);
    kansoku_->onShare = [this] { shareLayout(); };
    kansoku_->showModal(*this);
  }
  // The teacher's choices of who the link is for and whether the hypocentre
  // is hidden stay from one opening to the next; the rest is the window's now.
  const observe::ClassLayout now = kansoku_->currentLayout();
  if (!haifu_) {
    haifu_ = std::make_unique<classroom::frm_Haifu>(app());
    haifu_->layout.pupil = true;  // a link is for the pupils unless the teacher says otherwise
    haifu_->layout.hidden = now.hidden;
    haifu_->address = siteAddress;
  }
  const bool pupil = haifu_->layout.pupil, hidden = haifu_->layout.hidden;
  haifu_->layout = now;
  haifu_->layout.pupil = pupil;
  haifu_->layout.hidden = hidden;
  haifu_->showModal(*kansoku_);
}

}  // namespace app
