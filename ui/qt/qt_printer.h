// The system printer for the window layer: a recording printer whose page,
// when the document ends, goes to the default printer without a dialog and
// is followed until it is printed, all without holding up the windows. If
// there is no default printer, the job is refused, the printer fails it
// later or the print system stops answering, the user is told so and
// offered to save the same page as a PDF file.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/printer.h"

namespace zemlox::qt {

class QtPrinter : public ui::RecordingPrinter {
 public:
  // `window`: the window that prints, which messages stand over; may be null.
  explicit QtPrinter(QWidget* window = nullptr) : window_(window) {}

 protected:
  void pageEnded(const ui::PrintedPage& page) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace zemlox::qt
