// The link window's layout and its choices. The QR code is drawn as black
// rectangles on white, a whole number of pixels a module at 100 %, with the
// four-module quiet zone that scanners need.
#include "classroom/frm_Haifu.h"

#include "classroom/qr.h"

namespace classroom {

using namespace ui;

namespace {

constexpr float kQrSide = 5700;
constexpr size_t kLinkLine = 30;  // characters a line of the shown link

const Font kText{kPGothic, 9, false};
const Font kLinkFont{kGothic, 9, false};

std::string broken(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); i += kLinkLine) out += (i ? "\n" : "") + s.substr(i, kLinkLine);
  return out;
}

// An address typed on the desktop: a link needs http(s) and no '#' or blank.
bool usable(const std::string& a) {
  return (a.rfind("http://", 0) == 0 || a.rfind("https://", 0) == 0 || a.rfind("file://", 0) == 0) &&
         a.find_first_of("# \t\r\n") == std::string::npos && a.size() <= 300;
}

}  // namespace

frm_Haifu::frm_Haifu(Application& app) : Form(app, {"この配置を配る", 9600, 6600, sys::ButtonFace, false}) {}

std::string frm_Haifu::link() const {
  return usable(address) ? address + "#" + observe::linkText(layout) : "";
}

void frm_Haifu::design() {
  add(Label1, "Label1", {240, 120, 6000, 420}).setCaption("この配置を配る");
  Label1.setFont({kPGothic, 14.25f, true});
  add(qrBox, "qrBox", {240, 660, kQrSide, kQrSide}).setBackColor(0x00FFFFFF);
  qrBox.setAccessibleName("この配置を開くリンクのＱＲコード");

  struct Choice { Label& l; ComboBox& c; const char* name; RectF at; const char* caption;
                  std::vector<std::string> items; std::string text; };
  for (Choice ch : {Choice{lblFor, cboFor, "cboFor", {6180, 660, 1455, 300}, "配る相手", {"生徒", "先生"},
                           layout.pupil ? "生徒" : "先生"},
                    Choice{lblHypo, cboHypo, "cboHypo", {7800, 660, 1455, 300}, "震源", {"見せる", "かくす"},
                           layout.hidden ? "かくす" : "見せる"},
                    Choice{lblAddress, cboAddress, "cboAddress", {6180, 1380, 3180, 300}, "Zemlox のアドレス",
                           {}, address}}) {
    add(ch.l, std::string("lbl") + ch.name, {ch.at.left, ch.at.top, ch.at.width, 255}).setCaption(ch.caption);
    ch.l.setFont(kText);
    add(ch.c, ch.name, {ch.at.left, ch.at.top + 270, ch.at.width, ch.at.height}).setItems(ch.items);
    ch.c.setText(ch.text);
    ch.c.setAccessibleName(ch.caption);
  }
  if (!address.empty()) cboAddress.setItems({address});
  cboFor.onClick = [this] { cboFor_Click(); };
  cboHypo.onClick = [this] { cboHypo_Click(); };

  add(cmdMake, "cmdMake", {6180, 2100, 1455, 375}).setCaption("リンクを作る");
  add(lblLink, "lblLink", {6180, 2640, 3180, 2340}).setFont(kLinkFont);
  add(lblNote, "lblNote", {6180, 5040, 3180, 780}).setFont(kText);
  add(cmdCopy, "cmdCopy", {6180, 5985, 1455, 375}).setCaption("リンクをコピー");
  add(Command1, "Command1", {7800, 5985, 1455, 375}).setCaption("閉じる");
  cmdMake.onClick = [this] { cmdMake_Click(); };
  cmdCopy.onClick = [this] { cmdCopy_Click(); };
  Command1.onClick = [this] { Command1_Click(); };

  const std::string l = link();
  lblLink.setCaption(broken(l));
  lblNote.setCaption(l.empty() ? "学校のサーバーにある Zemlox のアドレス（http:// か https:// で始まるもの）を入れて、"
                                 "「リンクを作る」を押してください。"
                               : "生徒の端末でＱＲコードを読み取るか、リンクを開くと、この配置で始まります。");
  designQr(l);
}

void frm_Haifu::designQr(const std::string& text) {
  const QrMatrix qr = text.empty() ? QrMatrix{} : encodeQr(text);
  std::vector<RectF> runs;
  const int n = qr.size;
  const float module = n ? std::max(15.0f, std::floor(kQrSide / static_cast<float>(n + 8) / 15) * 15) : 0;
  const float origin = (kQrSide - module * static_cast<float>(n)) / 2;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n;) {
      if (!qr.at(x, y)) { ++x; continue; }
      int end = x;
      while (end < n && qr.at(end, y)) ++end;
      runs.push_back({origin + module * static_cast<float>(x), origin + module * static_cast<float>(y),
                      module * static_cast<float>(end - x), module});
      x = end;
    }
  }
  if (!text.empty() && n == 0)
    lblNote.setCaption("ＱＲコードを作れませんでした。リンクをコピーして配ってください。");
  // Built once per window: the vector never grows while its shapes are in use.
  modules.clear();
  modules.resize(runs.size());
  for (size_t i = 0; i < runs.size(); ++i) {
    Shape& s = add(modules[i], "modules", runs[i], &qrBox, static_cast<int>(i));
    s.setFilled(true);
    s.setFillColor(0);
    s.setBorderColor(0);
  }
}

void frm_Haifu::cboFor_Click() { remake(); }
void frm_Haifu::cboHypo_Click() { remake(); }
void frm_Haifu::cmdMake_Click() { remake(); }

void frm_Haifu::remake() {
  layout.pupil = cboFor.text() != "先生";
  layout.hidden = cboHypo.text() == "かくす";
  address = cboAddress.text();
  Form* owner = modalOwner();
  unload();
  if (owner) showModal(*owner);
  else show();
  if (!usable(address)) announce(lblNote.caption());
}

void frm_Haifu::cmdCopy_Click() {
  const std::string l = link();
  const bool copied = !l.empty() && app().copyText(l);
  lblNote.setCaption(copied ? "リンクをコピーしました。授業の連絡（クラスルームなど）に貼り付けて配れます。"
                            : l.empty() ? "先にアドレスを入れて「リンクを作る」を押してください。"
                                        : "コピーできませんでした。上のリンクを選んで書き写してください。");
  announce(lblNote.caption());
}

void frm_Haifu::Command1_Click() { unload(); }

}  // namespace classroom
