// Application-wide Qt set-up.
#include "ui/qt/program.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/qt/convert.h"

namespace zemlox::qt {

void setUpApplication() {
  // Every window shows the program icon; the desktop file name lets docks
  // match the running program to its menu entry.
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128})
    icon.addFile(QStringLiteral(":/assets/icons/zemlox-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QStringLiteral("jp.zemlox.Zemlox"));
  installFonts();
  // Qt's own buttons and dialogs ("OK", the file dialog) speak Japanese too.
  auto* qtJapanese = new QTranslator(qApp);
  if (qtJapanese->load(QStringLiteral("qtbase_ja"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtJapanese);
}

}  // namespace zemlox::qt
