// With the desktop's own fonts: every label of every window stands on the
// lines it has at 100 % at every zoom step, and on screen the hypocentre's
// name 「　震源」 is one line, none of its ink under its first line.
#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <memory>

#include "app/Module1.h"
#include "tests/lesson_windows.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/host/host_test.h"
#include "ui/paint_areas.h"
#include "ui/qt/pixel_grid.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

constexpr double kZooms[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

// The lines of every label of a window's areas at a zoom, as the host paints them.
std::vector<std::vector<std::string>> linesOf(const ui::Form& f, double zoom) {
  ui::PaintList list;
  const ui::PixelGrid g{zoom};
  const ui::PxRect all{-(1 << 20), -(1 << 20), 1 << 21, 1 << 21};
  ui::paintControls(list, f, ui::GraphicLayer::All, g, all);
  for (const ui::Control* c : f.controls())
    if (auto* box = dynamic_cast<const ui::Container*>(c)) ui::paintControls(list, *box, ui::GraphicLayer::All, g, all);
  std::vector<std::vector<std::string>> out;
  for (const ui::PaintItem& i : list.items())
    if (i.kind == ui::PaintItem::Text) out.push_back(list.text(i).lines);
  return out;
}

}  // namespace

struct LineBreaks : HostTest {};

TEST_F(LineBreaks, EveryLabelKeepsItsLinesAtEveryZoom) {
  app::Module1 module(app);
  module.Main();
  const auto windows = lessons::every(app);
  auto check = [](const ui::Form& f) {
    const auto at100 = linesOf(f, 1.0);
    ASSERT_FALSE(at100.empty()) << f.style().caption;
    for (double z : kZooms) EXPECT_EQ(linesOf(f, z), at100) << f.style().caption << " at " << z;
  };
  check(*module.mainForm());
  for (auto& make : windows) {
    auto f = make();
    f->load();
    check(*f);
    f->unload();
  }
}

TEST_F(LineBreaks, HypocentreNameIsOneLineOnScreenAtEveryZoom) {
  observe::frm_Kansoku w(app);
  w.show();
  for (double z : kZooms) {
    host.zoomKey(0);
    while (host.zoom().factor() < z) host.zoomKey(1);
    QApplication::processEvents();
    QWidget* view = host.widget(w)->widgetFor(w.map2);
    const QImage img = view->grab().toImage();
    const qreal dpr = img.devicePixelRatio();
    const QRect label = zemlox::qt::toQRect(ui::PixelGrid{z * dpr}.rect(w.nfoc.bounds()));
    // Below the first line of 8.25 pt text (11 px at 100 %) the label is bare.
    const int firstLine = static_cast<int>(std::ceil(11 * 1.25 * z * dpr));
    int below = 0, above = 0;
    for (int y = label.top(); y < label.top() + label.height(); ++y)
      for (int x = label.left(); x < label.left() + label.width(); ++x) {
        // The text's dark red, not the grid dots under the transparent label.
        const QColor c = img.pixelColor(x, y);
        const bool inked = c.red() >= 150 && c.red() <= 210 && c.green() < 60 && c.blue() < 60;
        (y >= label.top() + firstLine ? below : above) += inked;
      }
    EXPECT_GT(above, 0) << z;
    EXPECT_EQ(below, 0) << z;
  }
  host.zoomKey(0);
}
