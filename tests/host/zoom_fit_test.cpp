// The zoom keeps every window wholly on its screen, as the window system
// frames and places it: a step in that would not fit is not taken, a larger
// window opening while zoomed brings the zoom down to the largest step at
// which it fits, and the step asked for returns once it has gone. The rule
// itself is tested in tests/ui; ctest runs this on a 1280 × 1024 and a
// 1366 × 768 screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <array>
#include <memory>

#include "app/Module1.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/host/host_test.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

constexpr std::array<double, 6> kSteps{1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

void pressZoomKey(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
  QApplication::sendEvent(w, &press);
  QApplication::processEvents();
}

struct ZoomFit : HostTest {
  std::unique_ptr<app::Module1> module;
  ui::Form* menu = nullptr;

  void SetUp() override {
    HostTest::SetUp();
    module = std::make_unique<app::Module1>(app);
    module->Main();
    menu = module->mainForm();
    QApplication::processEvents();
  }
  void TearDown() override {
    host.zoomKey(0);
    HostTest::TearDown();
  }

  QRect area(const ui::Form& f) { return host.widget(f)->screen()->availableGeometry(); }
  // The window with its frame, as the window system placed it.
  QRect outer(const ui::Form& f) { return host.widget(f)->frameGeometry(); }
  // The window's framed size at a zoom step: its size at 100 % scaled.
  QSize outerAt(const ui::Form& f, double zoom) {
    const QWidget* w = host.widget(f);
    const QSize frame = w->frameGeometry().size() - w->size();
    const ui::WindowStyle& st = f.style();
    return QSize(qRound(st.clientWidth / 15 * zoom), qRound(st.clientHeight / 15 * zoom)) + frame;
  }
  bool fits(const ui::Form& f, double zoom) {
    const QSize s = outerAt(f, zoom);
    return s.width() <= area(f).width() && s.height() <= area(f).height();
  }
  // Every loaded window lies wholly inside its screen's available area.
  void expectAllOnScreen(const char* when) {
    for (int i = 0; i < app.formCount(); ++i) {
      const ui::Form& f = app.form(i);
      EXPECT_TRUE(area(f).contains(outer(f)))
          << when << ": " << f.style().caption << " at " << host.zoom().factor() * 100 << " % stands at "
          << outer(f).x() << "," << outer(f).y() << " " << outer(f).width() << "x" << outer(f).height()
          << " on " << area(f).width() << "x" << area(f).height();
    }
  }
  // The zoom in force is the largest step at which every loaded window fits.
  void expectLargestFittingStep() {
    const double z = host.zoom().factor();
    for (double next : kSteps) {
      if (next <= z) continue;
      bool all = true;
      for (int i = 0; i < app.formCount(); ++i) all = all && fits(app.form(i), next);
      EXPECT_FALSE(all) << "held at " << z * 100 << " % though " << next * 100 << " % fits";
      break;
    }
  }
  // Ctrl++ until the zoom stops growing; every step stays on the screen.
  double zoomInAllTheWay(QWidget* target) {
    for (size_t i = 0; i < kSteps.size(); ++i) {
      pressZoomKey(target, Qt::Key_Plus);
      expectAllOnScreen("zooming in");
    }
    return host.zoom().factor();
  }
};

TEST_F(ZoomFit, StepsInStopAtTheLargestThatFitsTheScreen) {
  const double most = zoomInAllTheWay(host.widget(*menu));
  expectLargestFittingStep();
  EXPECT_GT(most, 1.0);
  for (size_t i = 0; i < kSteps.size(); ++i) {
    pressZoomKey(host.widget(*menu), Qt::Key_Minus);
    expectAllOnScreen("zooming out");
  }
  EXPECT_EQ(host.zoom().factor(), 1.0);
}

TEST_F(ZoomFit, EveryLessonOpensOnItsScreenWhileTheMenuIsZoomedIn) {
  const double most = zoomInAllTheWay(host.widget(*menu));
  std::vector<std::unique_ptr<ui::Form>> lessons;
  lessons.push_back(std::make_unique<waves::frm_Pwave>(app));
  lessons.push_back(std::make_unique<waves::frm_Swave>(app));
  lessons.push_back(std::make_unique<waves::frm_Wave>(app));
  lessons.push_back(std::make_unique<waves::frm_Wave2>(app));
  lessons.push_back(std::make_unique<record::frm_Kiroku>(app));
  lessons.push_back(std::make_unique<observe::frm_Kansoku>(app));
  for (auto& lesson : lessons) {
    SCOPED_TRACE(lesson->style().caption);
    lesson->show();
    QApplication::processEvents();
    expectAllOnScreen("opened");
    expectLargestFittingStep();
    // Further steps in from the lesson are not taken once it would not fit.
    zoomInAllTheWay(host.widget(*lesson));
    expectLargestFittingStep();
    lesson->unload();
    QApplication::processEvents();
    // Back to what the keys asked for once the larger window has gone.
    EXPECT_EQ(host.zoom().factor(), most);
    expectAllOnScreen("closed");
  }
}

}  // namespace
