// Painting recorded pages into PDF documents, for the printer and for files.
#include "ui/qt/page_painter.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include "ui/qt/convert.h"

namespace zemlox::qt {

namespace {

// Fine enough that a thinnest line and every text position land within a
// hundredth of a point.
constexpr int kPdfDpi = 1200;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A font of `points` in a painter already scaled from device pixels to
// points. Qt turns a point size into device pixels at the device's
// resolution, which the painter's scale would apply a second time.
QFont pageFont(const std::string& face, float points, const QPaintDevice& device) {
  QFont font = typefaceFont(face);
  font.setPointSizeF(points * 72.0 / device.logicalDpiY());
  return font;
}

void paintText(QPainter& p, const ui::PrintOp& op) {
  p.setFont(pageFont(op.fontName, op.fontSize, *p.device()));
  p.drawText(QPointF(op.x1, op.baseline), qs(op.text));
}

}  // namespace

void paintPage(QPainter& p, const ui::PrintedPage& page) {
  p.save();
  p.translate(page.paper.left, page.paper.top);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(Qt::black, page.paper.pen));
  p.setBrush(Qt::NoBrush);
  for (const ui::PrintOp& op : page.ops) {
    switch (op.kind) {
      case ui::PrintOp::Text:
        paintText(p, op);
        break;
      case ui::PrintOp::Line:
        p.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
        break;
      case ui::PrintOp::Rectangle:
        p.drawRect(QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized());
        break;
      case ui::PrintOp::Circle:
        p.drawEllipse(QPointF(op.x1, op.y1), op.r, op.r);
        break;
    }
  }
  p.restore();
}

QPageLayout sheetOf(const ui::Paper& paper) {
  const bool upright = paper.orientation == ui::Paper::Orientation::Portrait;
  return QPageLayout(QPageSize(QSizeF(paper.width, paper.height), QPageSize::Point),
                     upright ? QPageLayout::Portrait : QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Point);
}

QByteArray pagePdf(const ui::PrintedPage& page) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    // Made in memory, away from the print system: painting a PDF must not
    // wait for a printer.
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDpi);
    writer.setCreator(QStringLiteral("Zemlox"));
    writer.setTitle(QString::fromStdString(page.name));
    writer.setPageLayout(sheetOf(page.paper));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    painter.scale(writer.logicalDpiX() / 72.0, writer.logicalDpiY() / 72.0);
    paintPage(painter, page);
    if (!painter.end()) return {};
  }
  // A PDF is whole only up to its end-of-file marker.
  return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF") ? bytes : QByteArray();
}

}  // namespace zemlox::qt
