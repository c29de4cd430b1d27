// Opens the teacher's guide on F1, and says so in Japanese when it cannot.
#include "app/guide_key.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>

namespace app {

QString GuideKey::guidePath() {
  const QDir bin(QCoreApplication::applicationDirPath());
  for (const char* rel : {"../share/doc/zemlox/teacher-guide.html", "../docs/teacher-guide.html"}) {
    const QFileInfo f(bin.filePath(QString::fromLatin1(rel)));
    if (f.isFile()) return f.canonicalFilePath();
  }
  return {};
}

bool GuideKey::eventFilter(QObject* watched, QEvent* event) {
  const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
  if (key == Qt::Key_F2 && onShare && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    onShare();
    return true;
  }
  if (key != Qt::Key_F1) return QObject::eventFilter(watched, event);
  const QString path = guidePath();
  if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    // Without the desktop's opener (xdg-open) the page can still be opened
    // by hand: the path is given, selectable, with the two ways to open it.
    QMessageBox box(QMessageBox::Information, QStringLiteral("先生用ガイド"),
                    path.isEmpty()
                        ? QStringLiteral("先生用ガイドが見つかりませんでした。\n"
                                         "Zemlox のパッケージを入れ直すと、ガイドも入ります。"
                                         "それまでは、ブラウザー版のページの下の「先生用ガイド」から読めます。")
                        : QStringLiteral("先生用ガイドを自動で開くことができませんでした。\n"
                                         "次のファイルをブラウザーで開いてください。"
                                         "ブラウザーのアドレス欄にこの場所を貼り付けるか、"
                                         "ファイルマネージャーでこのファイルをダブルクリックします。\n\n%1")
                              .arg(path),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
  }
  // Consumed here, so the key is not offered again to the parent widgets.
  return true;
}

}  // namespace app
