// Default-printer output with a save-as-PDF fallback, in Japanese: the
// click hands the page to a print attempt and returns at once.
#include "ui/qt/qt_printer.h"

#include <QApplication>

#include "ui/qt/print_attempt.h"

namespace zemlox::qt {

void QtPrinter::pageEnded(const ui::PrintedPage& page) {
  PrintAttempt::start(window_ ? window_.data() : QApplication::activeWindow(), page);
}

}  // namespace zemlox::qt
