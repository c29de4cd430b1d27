// zemlox_image_render WINDOW STATE ZOOM OUT: the image host's picture of a
// window (the observation window, or the menu) as a PPM file, and OUT.json
// listing what only a real host draws there (text boxes, buttons, lists,
// and with "after" the record's traces, which come from random numbers): the browser tests compare the page's pixels with it
// everywhere else.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Module1.h"
#include "observe/frm_Kansoku.h"
#include "tests/image/image_host.h"
#include "ui/controls.h"

int main(int argc, char** argv) {
  const std::string window = argc == 5 ? argv[1] : "";
  if (window != "kansoku" && window != "menu") {
    std::fprintf(stderr, "usage: zemlox_image_render kansoku|menu quiet|after ZOOM OUT\n");
    return 2;
  }
  const bool after = std::string(argv[2]) == "after" && window == "kansoku";
  const double zoom = std::atof(argv[3]);
  ui::Application app;
  app::Module1 module(app);
  observe::frm_Kansoku kansoku(app);
  if (window == "menu") module.Main();
  else kansoku.show();
  ui::Form& w = window == "menu" ? static_cast<ui::Form&>(*module.mainForm()) : kansoku;
  image_test::ImageHost host(w);
  if (after) {
    kansoku.Command2_Click();
    while (kansoku.Timer1.enabled()) kansoku.Timer1.tick();
  }
  const ui::PixelBuffer& img = host.render(zoom);
  const std::string out = argv[4];
  FILE* f = std::fopen(out.c_str(), "wb");
  if (!f) return 1;
  std::fprintf(f, "P6\n%d %d\n255\n", img.width(), img.height());
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const ui::Color c = ui::colorOf(img.at(x, y));
      const unsigned char rgb[3] = {static_cast<unsigned char>(ui::red(c)), static_cast<unsigned char>(ui::green(c)),
                                    static_cast<unsigned char>(ui::blue(c))};
      std::fwrite(rgb, 1, 3, f);
    }
  std::fclose(f);
  FILE* j = std::fopen((out + ".json").c_str(), "w");
  if (!j) return 1;
  std::fprintf(j, "[");
  const char* sep = "";
  auto put = [&](const ui::PxRect& r) {
    std::fprintf(j, "%s[%d,%d,%d,%d]", sep, r.x, r.y, r.w, r.h);
    sep = ",";
  };
  for (const ui::TextRun& t : host.texts()) put(t.box.grown(t.strike + 1));
  for (const ui::Control* c : w.controls()) {
    if (!c->visible()) continue;
    if (c->kind() == ui::ControlKind::Button || c->kind() == ui::ControlKind::ComboBox) put(host.placeOf(*c).grown(1));
  }
  // Inside the record's sunken edge.
  if (after) put(host.placeOf(kansoku.kiroku).grown(-2 * ui::PixelGrid{zoom}.lineWidth(1)));
  std::fprintf(j, "]\n");
  std::fclose(j);
  return 0;
}
