// The Qt host draws the S-wave, particle-row and block windows as laid out:
// bands in pale yellow, red particles and lines above them, the row labels
// see-through; each window opens from the menu, animates on its own timer
// and closes back to the menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <functional>

#include "app/Module1.h"
#include "tests/host/host_test.h"
#include "ui/qt/qt_host.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

const QColor kBand(255, 255, 192);
const QColor kPink(255, 192, 192);
const QColor kLightBlue(192, 192, 255);


// The most strongly coloured pixel of a short row around x: lines are one
// pixel wide and smoothed, so their colour is searched for, not sampled.
QColor strongestNear(const QImage& img, float x, float y, bool (*better)(QColor, QColor)) {
  QColor best = pixelAtTwips(img, x - 45, y);
  for (float dx = -30; dx <= 45; dx += 15) {
    const QColor c = pixelAtTwips(img, x + dx, y);
    if (better(c, best)) best = c;
  }
  return best;
}
bool redder(QColor a, QColor b) { return a.red() - a.green() > b.red() - b.green(); }
bool darker(QColor a, QColor b) { return a.value() < b.value(); }

using WavesHost = HostTest;

TEST_F(WavesHost, SWaveParticlesLieOnTheBand) {
  waves::frm_Swave w(app);
  w.show();
  w.Timer1.tick();
  const QImage img = render(w);
  EXPECT_EQ(pixelAtTwips(img, 9000, 1000), kBand);
  const ui::Shape& red = w.Shape2[15];
  EXPECT_EQ(pixelAtTwips(img, red.left() + 67.5f, red.top() + 67.5f), kPink);
  const ui::Shape& other = w.Shape2[3];
  EXPECT_EQ(pixelAtTwips(img, other.left() + 67.5f, other.top() + 67.5f), kLightBlue);
}

TEST_F(WavesHost, ParticleRowsLieOnTheirBandsUnderSeeThroughLabels) {
  waves::frm_Wave w(app);
  w.show();
  w.Timer1.tick();
  const QImage img = render(w);
  EXPECT_EQ(pixelAtTwips(img, 9000, 1000), kBand);
  EXPECT_EQ(pixelAtTwips(img, 9000, 3450), kBand);
  // Below the text of "横波(Ｓ波)" but inside its label: the band shows through.
  EXPECT_EQ(pixelAtTwips(img, 1500, 3480 + 350), kBand);
  for (int i : {15, 46}) {
    const ui::Shape& red = w.Shape2[i];
    EXPECT_EQ(pixelAtTwips(img, red.left() + 67.5f, red.top() + 67.5f), kPink) << i;
  }
  const ui::Shape& s = w.Shape2[40];
  EXPECT_EQ(pixelAtTwips(img, s.left() + 67.5f, s.top() + 67.5f), kLightBlue);
}

TEST_F(WavesHost, BlockLinesAreDrawnOverTheBandsInTheirColours) {
  waves::frm_Wave2 w(app);
  w.show();
  w.Timer1.tick();
  const QImage img = render(w);
  for (int i : {15, 46}) {
    const ui::Line& l = w.Lz[i];
    const QColor c = strongestNear(img, l.x1(), (l.y1() + l.y2()) / 2, redder);
    EXPECT_GT(c.red() - c.green(), 80) << i << " " << c.name().toStdString();
  }
  for (int i : {3, 40}) {
    const ui::Line& l = w.Lz[i];
    EXPECT_LT(strongestNear(img, l.x1(), (l.y1() + l.y2()) / 2, darker).value(), 150) << i;
  }
  // Between two front lines the band's fill shows.
  const float between = (w.Lz[40].x1() + w.Lz[41].x1()) / 2;
  EXPECT_EQ(pixelAtTwips(img, between, (w.Lz[40].y1() + w.Lz[40].y2()) / 2), kBand);
}

// Each menu button opens its lesson over the menu; the lesson's own timer
// runs from Qt's event loop, and "閉じる" hands control back.
TEST_F(WavesHost, EachLessonOpensFromTheMenuAnimatesAndClosesBackToIt) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  struct Lesson {
    ui::Button* button;
    std::function<ui::Form*()> form;
    std::function<ui::Button*()> close;
    std::function<double()> phase;
  };
  const Lesson lessons[] = {
      {&menu.Command1, [&] { return menu.swave(); }, [&] { return &menu.swave()->Command1; },
       [&] { return menu.swave()->phase(); }},
      {&menu.Command3, [&] { return menu.wave(); }, [&] { return &menu.wave()->Command1; },
       [&] { return menu.wave()->phaseS(); }},
      {&menu.Command6, [&] { return menu.wave2(); }, [&] { return &menu.wave2()->Command1; },
       [&] { return menu.wave2()->phaseS(); }},
  };
  for (const Lesson& l : lessons) {
    qobject_cast<QPushButton*>(host.widget(menu)->widgetFor(*l.button))->click();
    ui::Form* f = l.form();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->loaded());
    EXPECT_FALSE(menu.inputEnabled());
    QElapsedTimer clock;
    clock.start();
    while (l.phase() == 0 && clock.elapsed() < 2000) QApplication::processEvents();
    EXPECT_GT(l.phase(), 0) << f->style().caption;
    qobject_cast<QPushButton*>(host.widget(*f)->widgetFor(*l.close()))->click();
    EXPECT_FALSE(l.form()->loaded());
    EXPECT_TRUE(menu.inputEnabled());
  }
}

}  // namespace
