// The lessons on the Qt host: each menu button opens its lesson over the
// menu, the lesson animates on its own timer from Qt's event loop, and
// "閉じる" hands control back. What the lessons show is for the image host's
// tests and the parity test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <functional>

#include "app/Module1.h"
#include "record/frm_Kiroku.h"
#include "tests/host/host_test.h"
#include "ui/qt/qt_host.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

using LessonsHost = HostTest;

TEST_F(LessonsHost, EachLessonOpensFromTheMenuAnimatesAndClosesBackToIt) {
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
      {&menu.Command4, [&] { return menu.kiroku(); }, [&] { return &menu.kiroku()->Command1; },
       [&] { return static_cast<double>(menu.kiroku()->penTravel()); }},
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
