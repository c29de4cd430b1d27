// The system printer for the window layer: a recording printer whose page,
// when the document ends, goes to the default printer without a dialog and
// is followed until it is printed, all without holding up the windows. If
// there is no default printer, the job is refused, the printer fails it
// later or the print system stops answering, the user is told so and
// offered to save the same page as a PDF file.
#pragma once

#include "ui/printer.h"

class QWidget;

namespace zemlox::qt {

class QtPrinter : public ui::RecordingPrinter {
 protected:
  void pageEnded(const ui::PrintedPage& page) override;
};

}  // namespace zemlox::qt
