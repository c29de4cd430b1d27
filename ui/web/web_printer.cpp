// The print view and the print dialog.
#include "ui/web/web_printer.h"

#include "ui/font.h"
#include "ui/web/dom.h"

namespace zemlox::web {

void WebPrinter::pageEnded(const ui::PrintedPage& page) {
  const ui::Paper& paper = page.paper;
  dom::printBegin(paper.across(), paper.down(), paper.left, paper.top, paper.pen);
  for (const ui::PrintOp& op : page.ops) {
    switch (op.kind) {
      case ui::PrintOp::Text: dom::printText(op.x1, op.baseline, op.text, ui::familyOf(ui::kPageFamilies, op.fontName), op.fontSize); break;
      case ui::PrintOp::Line: dom::printLine(op.x1, op.y1, op.x2, op.y2); break;
      case ui::PrintOp::Rectangle: dom::printRect(op.x1, op.y1, op.x2, op.y2); break;
      case ui::PrintOp::Circle: dom::printCircle(op.x1, op.y1, op.r); break;
    }
  }
  dom::printShow(page.name);
}

}  // namespace zemlox::web
