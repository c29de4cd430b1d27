// The printer in the browser: the finished page becomes the page's print
// view (vector text, lines and circles at their point positions on the
// page's own paper) and the browser's print dialog opens on it, where the
// pupil picks a printer or saves a PDF file.
#pragma once

#include "ui/printer.h"

namespace zemlox::web {

class WebPrinter : public ui::RecordingPrinter {
 protected:
  void pageEnded(const ui::PrintedPage& page) override;
};

}  // namespace zemlox::web
