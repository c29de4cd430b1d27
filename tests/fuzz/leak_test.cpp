// Opening and closing every window a thousand times leaves nothing behind:
// no window, control or timer alive afterwards and no heap growth between
// the hundredth and the thousandth round. Under the address sanitizer the
// leak checker runs at exit and fails the test on any leak.
#include <gtest/gtest.h>
#include <malloc.h>

#include "app/frmMain.h"
#include "observe/frm_Kansoku.h"
#include "tests/fuzz/invariants.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZEMLOX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEMLOX_ASAN 1
#endif
#endif

namespace {

constexpr int kRounds = 1000;

// One round: every lesson opened, run a little and closed (by its button or
// its close box in turn), then the program ended and started again.
void round(fuzz::Program& p, int n) {
  app::frmMain& m = p.menu();
  for (ui::Button* b : {&m.Command2, &m.Command1, &m.Command3, &m.Command6, &m.Command4, &m.Command5}) {
    b->click();
    ui::Form* w = p.lesson();
    ASSERT_NE(w, nullptr) << b->caption();
    if (auto* k = dynamic_cast<observe::frm_Kansoku*>(w)) {
      k->Command2.click();
      while (k->Timer1.enabled()) k->Timer1.tick();
      k->Command5.click();
      p.forget();
    }
    for (ui::Timer* t : w->timers())
      for (int i = 0; i < 30; ++i) t->tick();
    fuzz::Step s;
    s.target = w;
    fuzz::Faults out = fuzz::checkAll(p, s);
    ASSERT_TRUE(out.empty()) << out.front();
    if (n % 2) {
      w->closeBox();
    } else {
      // The close button: the only button captioned 閉じる.
      for (ui::Control* c : w->controls())
        if (c->kind() == ui::ControlKind::Button && static_cast<ui::Button*>(c)->caption() == "閉じる") {
          static_cast<ui::Button*>(c)->click();
          break;
        }
    }
    ASSERT_FALSE(w->loaded()) << w->style().caption;
    p.forget();
  }
  if (n % 2) m.Command9.click(); else m.closeBox();
  ASSERT_TRUE(p.ended());
  p.start();
}

std::size_t heapInUse() {
  const struct mallinfo2 mi = mallinfo2();
  return mi.uordblks;
}

TEST(Leaks, EveryWindowOpenedAndClosedAThousandTimes) {
  fuzz::Program p;
  p.start();
  std::size_t after100 = 0;
  for (int n = 0; n < kRounds; ++n) {
    round(p, n);
    if (HasFatalFailure()) return;
    if (n == 99) after100 = heapInUse();
  }
  const std::size_t after1000 = heapInUse();
  for (ui::Form* f : p.windows())
    if (f != &p.menu()) {
      EXPECT_FALSE(f->loaded());
    }
  EXPECT_EQ(p.app().formCount(), 1);
#ifndef ZEMLOX_ASAN
  // Nine hundred rounds more must not cost memory; a little slack for the
  // allocator's own bookkeeping.
  EXPECT_LT(after1000, after100 + 64 * 1024) << "heap grew from " << after100 << " to " << after1000;
#endif
  std::printf("heap in use after 100 rounds %zu bytes, after %d rounds %zu bytes\n", after100, kRounds, after1000);
}

}  // namespace
