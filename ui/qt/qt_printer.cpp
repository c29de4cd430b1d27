// Default-printer output with a save-as-PDF fallback, in Japanese. The page
// is made into a PDF once; that PDF goes to the queue and, should the job
// fail, is what the pupil can save.
#include "ui/qt/qt_printer.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/qt/cups_queue.h"
#include "ui/qt/job_follower.h"
#include "ui/qt/page_painter.h"
#include "ui/qt/pdf_offer.h"

namespace zemlox::qt {

namespace {

const char* const kDocName = "地震観測の記録";

QString noPrinterMessage() {
  return QStringLiteral("プリンターで印刷できませんでした。\n"
                        "プリンターが設定されていないか、止まっています。");
}

std::function<bool(const QString&)> pageWriter(const ui::PrintedPage& page) {
  return [&page](const QString& path) { return writePagePdf(path, page); };
}

std::function<bool(const QString&)> bytesWriter(const QByteArray& pdf) {
  return [&pdf](const QString& path) { return writePdfBytes(path, pdf); };
}

// The window that printed: lesson windows are modal, so it is the top modal
// window even when the window system has given the focus elsewhere.
QWidget* printingWindow() {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  return QApplication::activeWindow();
}

}  // namespace

void QtPrinter::pageEnded(const ui::PrintedPage& page) {
  QWidget* window = printingWindow();
  std::optional<CupsQueue> queue = CupsQueue::defaultQueue();
  if (!queue) return printWithoutScheduler(page, window);
  const QByteArray pdf = pagePdfForPrinter(queue->name(), page);
  if (pdf.isEmpty()) return tellAndOfferPdf(window, noPrinterMessage(), pageWriter(page));
  // A stopped printer would hold the page until someone restarts it.
  const JobLook printer = queue->lookAtPrinter();
  if (printer.printer == PrinterState::Stopped) {
    return tellAndOfferPdf(window, jobFailedMessage(printer), bytesWriter(pdf));
  }
  const int job = queue->submit(pdf, QString::fromUtf8(kDocName));
  if (job == 0) return tellAndOfferPdf(window, noPrinterMessage(), bytesWriter(pdf));
  JobFollower::follow(window, std::move(*queue), job, pdf);
}

void QtPrinter::printWithoutScheduler(const ui::PrintedPage& page, QWidget* window) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  // Without a default printer QPrinter would quietly write a nameless PDF;
  // a stopped printer would hold the page until someone restarts it.
  if (!info.isNull() && info.state() != QPrinter::Error) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setDocName(QString::fromUtf8(kDocName));
    if (renderPage(printer, page)) return;
  }
  tellAndOfferPdf(window, noPrinterMessage(), pageWriter(page));
}

}  // namespace zemlox::qt
