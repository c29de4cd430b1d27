// Painting recorded pages onto QPrinter, for paper and for PDF files.
#include "ui/qt/page_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace zemlox::qt {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A font of `points` in a painter already scaled from device pixels to
// points. Qt turns a point size into device pixels at the device's
// resolution, which the painter's scale would apply a second time.
QFont pageFont(const std::string& face, float points, const QPaintDevice& device) {
  QFont font(qs(face));
  font.setPointSizeF(points * 72.0 / device.logicalDpiY());
  return font;
}

void paintText(QPainter& p, const ui::PrintOp& op) {
  p.setFont(pageFont(op.fontName, op.fontSize, *p.device()));
  // The position is the top-left corner of the first character cell.
  const QRectF box(op.x1, op.y1, 10000, 10000);
  p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
             qs(op.text));
}

// The area the page covers, in points from the printable area's corner.
QRectF pageExtent(const ui::PrintedPage& page, const QPaintDevice& device) {
  QRectF all;
  for (const ui::PrintOp& op : page.ops) {
    QRectF r;
    switch (op.kind) {
      case ui::PrintOp::Text: {
        // Metrics come before the painter's scale, so they are in points already.
        const QFontMetricsF m(pageFont(op.fontName, op.fontSize, device), &device);
        r = QRectF(op.x1, op.y1, m.horizontalAdvance(qs(op.text)), m.height());
        break;
      }
      case ui::PrintOp::Line:
      case ui::PrintOp::Rectangle:
        r = QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized();
        break;
      case ui::PrintOp::Circle:
        r = QRectF(op.x1 - op.r, op.y1 - op.r, 2 * op.r, 2 * op.r);
        break;
    }
    all = all.united(r.adjusted(0, 0, 0.001, 0.001));
  }
  return all;
}

void fitPage(QPrinter& printer, const ui::PrintedPage& page) {
  // The printable area is what the printer can reach: its minimum margins
  // (none for a PDF file), not Qt's default. The sheet stays upright unless
  // the page does not fit that way.
  printer.setFullPage(false);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
  const QRectF reach = printer.pageLayout().paintRect(QPageLayout::Point);
  const QRectF extent = pageExtent(page, printer);
  if (extent.right() > reach.width() || extent.bottom() > reach.height()) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
  }
}

bool paintOnPrinter(QPrinter& printer, const ui::PrintedPage& page) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.scale(printer.logicalDpiX() / 72.0, printer.logicalDpiY() / 72.0);
  paintPage(painter, page);
  const bool ended = painter.end();
  return ended && printer.printerState() != QPrinter::Error;
}

void makePdfPrinter(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setCreator(QStringLiteral("Zemlox"));
  printer.setDocName(QStringLiteral("地震観測の記録"));
}

}  // namespace

void paintPage(QPainter& p, const ui::PrintedPage& page) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // Width 0 is the device's thinnest line.
  p.setPen(QPen(Qt::black, 0));
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

bool renderPage(QPrinter& printer, const ui::PrintedPage& page) {
  fitPage(printer, page);
  return paintOnPrinter(printer, page);
}

bool writePagePdf(const QString& path, const ui::PrintedPage& page) {
  QPrinter printer(QPrinter::HighResolution);
  makePdfPrinter(printer, path);
  return renderPage(printer, page);
}

QByteArray pagePdfForPrinter(const QString& printerName, const ui::PrintedPage& page) {
  // The sheet, orientation and margins are those the printer would use
  // itself; the PDF then carries them, so the page lands where it would
  // have landed had the printer been painted on directly.
  QPrinter native(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
  fitPage(native, page);
  QTemporaryDir dir;
  if (!dir.isValid()) return {};
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  QPrinter pdf(QPrinter::HighResolution);
  makePdfPrinter(pdf, path);
  pdf.setFullPage(false);
  pdf.setPageLayout(native.pageLayout());
  if (!paintOnPrinter(pdf, page)) return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace zemlox::qt
