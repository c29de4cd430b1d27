// The floor: an empty fixed-size Qt window of the menu's size, first paint.
#include "bench/probes/first_paint.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  FirstPaint probe;
  qapp.installEventFilter(&probe);
  QWidget w;
  w.setFixedSize(433, 264);
  w.show();
  return QApplication::exec();
}
