// The printer in the browser: the finished page becomes the page's print
// view (vector text, lines and circles at their point positions on A4
// portrait) and the browser's print dialog opens on it, where the pupil picks
// a printer or saves a PDF file.
#pragma once

#include "ui/printer.h"

namespace zemlox::web {

class WebPrinter : public ui::RecordingPrinter {
 public:
  static constexpr double kA4Width = 595.28, kA4Height = 841.89;  // points

 protected:
  void pageEnded(const ui::PrintedPage& page) override;
};

}  // namespace zemlox::web
