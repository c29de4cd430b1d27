// Test main for host tests: a QApplication on the offscreen platform unless
// a platform is given, the program's fonts installed. The offscreen screen
// is large enough for every window at every zoom step, also at twice the
// desktop scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/qt/convert.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZEMLOX_TEST_SCREEN, 1);
  QApplication app(argc, argv);
  zemlox::qt::installFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
