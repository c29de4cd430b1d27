// The system printer for the window layer: a recording printer whose page,
// when the document ends, goes to the default printer without a dialog and
// is followed until it is printed. If there is no default printer, the job
// is refused, or the printer fails it later, the user is told so and
// offered to save the same page as a PDF file.
#pragma once

#include "ui/printer.h"

class QWidget;

namespace zemlox::qt {

class QtPrinter : public ui::RecordingPrinter {
 protected:
  void pageEnded(const ui::PrintedPage& page) override;

 private:
  // Without the print system's scheduler: straight to Qt's default printer.
  void printWithoutScheduler(const ui::PrintedPage& page, QWidget* window);
};

}  // namespace zemlox::qt
