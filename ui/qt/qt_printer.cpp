// Default-printer output with a save-as-PDF fallback, in Japanese: the
// click hands the page to a print attempt and returns at once.
#include "ui/qt/qt_printer.h"

#include <QApplication>

#include "ui/qt/print_attempt.h"

namespace zemlox::qt {

namespace {

// The window that printed: lesson windows are modal, so it is the top modal
// window even when the window system has given the focus elsewhere.
QWidget* printingWindow() {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  return QApplication::activeWindow();
}

}  // namespace

void QtPrinter::pageEnded(const ui::PrintedPage& page) { PrintAttempt::start(printingWindow(), page); }

}  // namespace zemlox::qt
