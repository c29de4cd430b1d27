// The CPU benchmark's floor: a bare Qt window of a lesson's size drawing the
// same primitives at the same rate with a QTimer, update() and plain QPainter
// calls (bench/bare_scene). "blocks": 250 lines moving in two bands every
// 12 ms; "observe": an observation run at 速, every 10 ms, set off again.
#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <functional>
#include <vector>

#include "bench/bare_scene.h"
#include "observe/frm_Kansoku.h"
#include "ui/qt/convert.h"
#include "waves/frm_Wave2.h"

namespace {

class FloorWindow : public QWidget {
 public:
  FloorWindow(ui::Form& form, std::function<std::vector<QRect>()> tick)
      : scene_(form), tick_(std::move(tick)) {
    setFixedSize(static_cast<int>(form.style().clientWidth / 15), static_cast<int>(form.style().clientHeight / 15));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void frame() {
    std::vector<QRect> areas = tick_();
    for (const QRect& r : scene_.takeDrawn()) areas.push_back(r);
    for (const QRect& r : areas) update(r);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    for (const QRect& r : e->region()) scene_.paint(p, r);
  }

 private:
  bench::BareScene scene_;
  std::function<std::vector<QRect>()> tick_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  zemlox::qt::installFonts();
  const bool observe = argc > 1 && std::strcmp(argv[1], "observe") == 0;
  ui::Application app;
  waves::frm_Wave2 blocks(app);
  observe::frm_Kansoku kansoku(app);
  ui::Form& form = observe ? static_cast<ui::Form&>(kansoku) : blocks;
  form.load();
  std::function<std::vector<QRect>()> tick;
  if (observe) {
    kansoku.Command2_Click();
    tick = [&] {
      if (!kansoku.Timer1.enabled()) kansoku.Command2_Click();
      kansoku.Timer1.tick();
      return std::vector<QRect>{};
    };
  } else {
    tick = [&] {
      blocks.Timer1.tick();
      return std::vector<QRect>{bench::BareScene::pixels(blocks.Shape1[0]), bench::BareScene::pixels(blocks.Shape1[1])};
    };
  }
  FloorWindow w(form, tick);
  w.setWindowTitle(observe ? QStringLiteral("floor-observe") : QStringLiteral("floor-blocks"));
  w.show();
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &w, [&w] { w.frame(); });
  timer.start(observe ? 10 : 12);
  return QApplication::exec();
}
