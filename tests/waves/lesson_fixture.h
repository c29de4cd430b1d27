// What the wave window tests share: the window loaded on a host-less
// application, ticked by hand.
#pragma once

#include <gtest/gtest.h>

#include "ui/application.h"

template <class W>
struct LoadedLesson : ::testing::Test {
  ui::Application app;
  W w{app};
  void SetUp() override { w.load(); }
  void tick(int n = 1) {
    for (int i = 0; i < n; ++i) w.Timer1.tick();
  }
};
