// With the desktop's own fonts, the lines the window layer breaks are the
// lines on screen: the hypocentre's name 「　震源」 is one line at every zoom
// step, none of its ink under its first line.
#include <gtest/gtest.h>

#include <QApplication>

#include "observe/frm_Kansoku.h"
#include "tests/host/host_test.h"
#include "ui/qt/pixel_grid.h"

namespace {

constexpr double kZooms[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

}  // namespace

struct LineBreaks : HostTest {};

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
