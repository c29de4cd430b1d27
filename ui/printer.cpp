// Recording printer: the page as a list of operations.
#include "ui/printer.h"

#include "ui/font_metrics.h"

namespace ui {

namespace {

PrintOp shape(PrintOp::Kind k, float x1, float y1, float x2, float y2, float r = 0) {
  PrintOp op;
  op.kind = k;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.r = r;
  return op;
}

}  // namespace

void RecordingPrinter::print(const std::string& text) {
  PrintOp op;
  op.kind = PrintOp::Text;
  op.x1 = x_;
  op.y1 = y_;
  op.text = text;
  op.fontName = font_;
  op.fontSize = size_;
  // The position is the top-left corner of the first character cell: the
  // baseline lies the font's ascent below it, the same for every printer.
  const FaceMetrics& m = faceMetrics(typefaceOf(font_));
  op.baseline = y_ + size_ * static_cast<float>(m.ascent) / static_cast<float>(m.unitsPerEm);
  page_.ops.push_back(op);
}

void RecordingPrinter::line(float x1, float y1, float x2, float y2) {
  page_.ops.push_back(shape(PrintOp::Line, x1, y1, x2, y2));
  x_ = x2;
  y_ = y2;
}

void RecordingPrinter::rectangle(float x1, float y1, float x2, float y2) {
  page_.ops.push_back(shape(PrintOp::Rectangle, x1, y1, x2, y2));
}

void RecordingPrinter::circle(float cx, float cy, float r) {
  page_.ops.push_back(shape(PrintOp::Circle, cx, cy, 0, 0, r));
}

void RecordingPrinter::endDoc() {
  done_.push_back(page_);
  pageEnded(done_.back());
  page_ = {};
}

}  // namespace ui
