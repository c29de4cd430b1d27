// The offered PDF on disk: written whole or not at all, with nothing left
// beside it after a failure; and the folder the save dialog proposes exists
// and can be written, whatever the environment says.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "ui/qt/pdf_file.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

TEST(PdfFile, WritesWholeOrLeavesEverythingAsItWas) {
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("記録.pdf"));
  const QByteArray page = "%PDF-1.4\n" + QByteArray(200'000, 'x') + "\n%%EOF\n";
  ASSERT_TRUE(zemlox::qt::writePdfBytes(target, page));
  EXPECT_EQ(readAll(target), page);
  ASSERT_TRUE(zemlox::qt::writePdfBytes(target, "%PDF-1.4 second\n%%EOF\n"));
  EXPECT_EQ(readAll(target), QByteArray("%PDF-1.4 second\n%%EOF\n"));

  // Nothing to write, a folder that is not there, a name taken by a folder:
  // each fails, and the old file and the folder hold just what they held.
  EXPECT_FALSE(zemlox::qt::writePdfBytes(target, QByteArray()));
  EXPECT_EQ(readAll(target), QByteArray("%PDF-1.4 second\n%%EOF\n"));
  EXPECT_FALSE(zemlox::qt::writePdfBytes(dir.filePath(QStringLiteral("none/記録.pdf")), page));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
  EXPECT_FALSE(zemlox::qt::writePdfBytes(dir.filePath(QStringLiteral("taken.pdf")), page));
  const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  EXPECT_EQ(left, QStringList({QStringLiteral("taken.pdf"), QStringLiteral("記録.pdf")}));
}

TEST(PdfFile, ProposesAFolderThatExists) {
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  QTemporaryDir home, tmp;
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
  qputenv("TMPDIR", tmp.path().toUtf8());
  const QString doc = QStringLiteral("記録"), name = doc + QStringLiteral(".pdf");

  qputenv("HOME", home.path().toUtf8());
  EXPECT_EQ(zemlox::qt::defaultPdfPath(doc), QDir(home.path()).filePath(name)) << "no documents folder";
  ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
  EXPECT_EQ(zemlox::qt::defaultPdfPath(doc), QDir(home.path()).filePath(QStringLiteral("Documents/") + name));

  qputenv("HOME", home.filePath(QStringLiteral("gone")).toUtf8());
  EXPECT_EQ(zemlox::qt::defaultPdfPath(doc), QDir(tmp.path()).filePath(name)) << "a home that is not there";
  qunsetenv("HOME");
  EXPECT_EQ(zemlox::qt::defaultPdfPath(doc), QDir(tmp.path()).filePath(name)) << "no home at all";

  qputenv("HOME", oldHome);
  qunsetenv("TMPDIR");
  if (oldConfig.isNull()) qunsetenv("XDG_CONFIG_HOME"); else qputenv("XDG_CONFIG_HOME", oldConfig);
}

}  // namespace
