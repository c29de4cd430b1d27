// Default-printer output with a save-as-PDF fallback, in Japanese.
#include "ui/qt/qt_printer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "ui/qt/page_painter.h"

namespace zemlox::qt {

QString QtPrinter::defaultPdfPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::homePath();
  return QDir(dir).filePath(QStringLiteral("地震観測の記録.pdf"));
}

void QtPrinter::pageEnded(const ui::PrintedPage& page) {
  if (printOnDefaultPrinter(page)) return;
  QWidget* parent = QApplication::activeWindow();
  QMessageBox::warning(parent, QStringLiteral("印刷"),
                       QStringLiteral("プリンターで印刷できませんでした。\n"
                                      "プリンターが設定されていないか、止まっています。\n\n"
                                      "同じページをPDFファイルとして保存できます。"));
  offerPdf(page, parent);
}

bool QtPrinter::printOnDefaultPrinter(const ui::PrintedPage& page) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  // Without a default printer QPrinter would quietly write a nameless PDF;
  // a stopped printer would hold the page until someone restarts it.
  if (info.isNull() || info.state() == QPrinter::Error) return false;
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setDocName(QStringLiteral("地震観測の記録"));
  return renderPage(printer, page);
}

void QtPrinter::offerPdf(const ui::PrintedPage& page, QWidget* parent) {
  QFileDialog dialog(parent, QStringLiteral("PDFファイルとして保存"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("PDFファイル (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  const QString proposed = defaultPdfPath();
  dialog.setDirectory(QFileInfo(proposed).absolutePath());
  dialog.selectFile(QFileInfo(proposed).fileName());
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("保存先:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
  // Cancelling loses nothing: the run stays on screen and can be printed again.
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString path = dialog.selectedFiles().constFirst();
    if (writePagePdf(path, page)) return;
    QMessageBox::warning(parent, QStringLiteral("印刷"),
                         QStringLiteral("PDFファイルを書き込めませんでした。\n%1\n\n"
                                        "別の場所を選んでください。")
                             .arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace zemlox::qt
