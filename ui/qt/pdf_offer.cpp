// The save-as-PDF fallback: a warning, then a Japanese save dialog that asks
// again when the file cannot be written.
#include "ui/qt/pdf_offer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace zemlox::qt {

void tellAndOfferPdf(QWidget* parent, const QString& why, const QString& name,
                     const std::function<bool(const QString&)>& write) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("印刷"),
                  why + QStringLiteral("\n\n「OK」を押すと、同じページをPDFファイルとして保存する画面が開きます。"
                                        "保存しないときは、その画面で「キャンセル」を押してください。"),
                  QMessageBox::Ok, parent);
  // The printer's own words can be selected and copied, to look them up.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box.exec();
  QFileDialog dialog(parent, QStringLiteral("PDFファイルとして保存"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("PDFファイル (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  const QString proposed = defaultPdfPath(name);
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
    if (write(path)) return;
    QMessageBox::warning(parent, QStringLiteral("印刷"),
                         QStringLiteral("PDFファイルを書き込めませんでした。\n%1\n\n"
                                        "別の場所を選んでください。")
                             .arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace zemlox::qt
