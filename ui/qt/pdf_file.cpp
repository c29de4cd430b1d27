// Writing the offered PDF with the operating system's own calls, so that a
// full or failing disk is noticed at the write, the sync or the close.
#include "ui/qt/pdf_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <cerrno>

namespace zemlox::qt {

namespace {

bool usableFolder(const QString& dir) {
  const QFileInfo info(dir);
  return !dir.isEmpty() && info.isDir() && info.isWritable();
}

// Opens a fresh file beside `target`, hidden, with a name nobody else uses.
int openBeside(const QFileInfo& target, QByteArray& name) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    name = QFile::encodeName(QDir(target.absolutePath())
                                 .filePath(QStringLiteral(".%1.%2.part")
                                               .arg(target.fileName())
                                               .arg(QRandomGenerator::global()->generate(), 8, 16,
                                                    QLatin1Char('0'))));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

}  // namespace

QString saveFolder() {
  // Without HOME, Qt's home folder is "/", which is no place for a pupil's file.
  const QString home = qEnvironmentVariable("HOME");
  QString dir = QDir::tempPath();
  for (const QString& d : {home.isEmpty() ? QString() : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), home}) {
    if (usableFolder(d)) {
      dir = d;
      break;
    }
  }
  return dir;
}

QString defaultPdfPath(const QString& name) { return QDir(saveFolder()).filePath(name + QStringLiteral(".pdf")); }

bool writePdfBytes(const QString& path, const QByteArray& pdf) {
  if (pdf.isEmpty() || path.isEmpty()) return false;
  const QFileInfo target(path);
  QByteArray part;
  const int fd = openBeside(target, part);
  if (fd < 0) return false;
  bool ok = writeAll(fd, pdf) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(part.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) == 0;
  if (!ok) ::unlink(part.constData());
  return ok;
}

}  // namespace zemlox::qt
