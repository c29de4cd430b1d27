// Application-wide Qt set-up.
#include "ui/qt/desktop_program.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
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
  // Qt's file dialog writes its history and last folder into the user's
  // settings when it closes, and reads them back at the next run. The program
  // keeps nothing between runs: per-user settings are sent where no file can
  // be made (a settings folder under a device), so none is written or read.
  for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(f, QSettings::UserScope, QStringLiteral("/dev/null"));
  // Qt's own buttons and dialogs ("OK", the file dialog) speak Japanese too.
  auto* qtJapanese = new QTranslator(qApp);
  if (qtJapanese->load(QStringLiteral("qtbase_ja"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtJapanese);
}

}  // namespace zemlox::qt
