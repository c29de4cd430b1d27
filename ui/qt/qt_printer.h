// The system printer for the window layer: a recording printer whose page,
// when the document ends, goes to the default printer without a dialog. If
// there is no default printer or the job cannot be started, the user is told
// so and offered to save the same page as a PDF file.
#pragma once

#include <QString>

#include "ui/printer.h"

class QWidget;

namespace zemlox::qt {

class QtPrinter : public ui::RecordingPrinter {
 public:
  // The file name the save dialog proposes, in the user's documents folder
  // (or home folder).
  static QString defaultPdfPath();

 protected:
  void pageEnded(const ui::PrintedPage& page) override;

 private:
  bool printOnDefaultPrinter(const ui::PrintedPage& page);
  void offerPdf(const ui::PrintedPage& page, QWidget* parent);
};

}  // namespace zemlox::qt
