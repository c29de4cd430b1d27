// The link window's QR code, drawn by the image host as every host draws it,
// read back by a real scanner (zbarimg) at 100 % and at a projector's 200 %:
// it must give the link the window shows, options and address included.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "classroom/frm_Haifu.h"
#include "tests/image/image_host.h"

namespace {

std::string scan(const ui::PixelBuffer& img, const std::string& file) {
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << img.width() << ' ' << img.height() << "\n255\n";
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const ui::Color c = ui::colorOf(img.at(x, y));
      out.put(static_cast<char>(ui::red(c))).put(static_cast<char>(ui::green(c))).put(static_cast<char>(ui::blue(c)));
    }
  out.close();
  FILE* p = popen(("zbarimg --raw -q " + file).c_str(), "r");
  std::string text;
  char buf[1024];
  while (p && fgets(buf, sizeof buf, p)) text += buf;
  if (p) pclose(p);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

TEST(ShareWindow, ItsQrCodeScansAsItsLink) {
  ui::Application app;
  classroom::frm_Haifu w(app);
  w.address = "http://school.test/理科/zemlox/index.html";
  w.layout.stations[2] = {3456.5f, 1200};
  w.layout.hypocentre = {5000, 1500};
  w.layout.pupil = w.layout.hidden = true;
  w.show();
  image_test::ImageHost host(w);
  const std::string link = w.link();
  ASSERT_NE(link.find("&pupil=1&hide=1&v=1"), std::string::npos) << link;
  for (double zoom : {1.0, 2.0})
    EXPECT_EQ(scan(host.render(zoom), ::testing::TempDir() + "qr.ppm"), link) << "zoom " << zoom;
  // The link's text, broken into lines, is the same link.
  std::string shown = w.lblLink.caption();
  std::erase(shown, '\n');
  EXPECT_EQ(shown, link);

  // Without an address there is no link to scan, and the window says what to do.
  w.unload();
  w.address = "school.test/zemlox";
  w.show();
  image_test::ImageHost bare(w);
  EXPECT_EQ(scan(bare.render(1), ::testing::TempDir() + "none.ppm"), "");
  EXPECT_NE(w.lblNote.caption().find("アドレス"), std::string::npos);
}

}  // namespace
