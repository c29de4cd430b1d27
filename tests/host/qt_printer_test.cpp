// The report page on paper: painted into a PDF file and read back with
// pdftotext, every text stands where the page puts it; painted into an image,
// the outlines are black and nothing is filled; with no printer, or one that
// never answers, the click returns, the user is told and can save the page
// as a PDF, or cancel and lose nothing.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "observe/report_page.h"
#include "ui/qt/page_painter.h"
#include "ui/qt/pdf_file.h"
#include "ui/qt/qt_printer.h"

namespace {

observe::ReportInputs designInputs() {
  observe::ReportInputs in;
  in.map1Width = 6135, in.map1Height = 3615;
  in.map2Width = 6135, in.map2Height = 1815;
  in.kirokuWidth = 4575, in.kirokuHeight = 7695;
  for (size_t i = 0; i < 5; ++i) in.stations[i] = {1020, 2960.0f - 600.0f * static_cast<float>(i), 135, 135};
  in.hypocentre = {1020, 1140, 135, 135};
  in.epiDist = {587.5, 1187.5, 1787.5, 2387.5, 2987.5};
  in.hypoDist = {1342.84, 1693.58, 2157.13, 2675.48, 3222.30};
  in.sizeText = "中";
  return in;
}

ui::PrintedPage designPage() {
  ui::RecordingPrinter p;
  observe::printReport(p, designInputs());
  return p.pages().at(0);
}

struct Word { double x, y, width; };

// Words of a PDF with their top-left corners, from pdftotext -bbox.
std::multimap<QString, Word> pdfWords(const QString& pdf, QSizeF* pageSize) {
  QProcess proc;
  proc.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  proc.waitForFinished(20000);
  const QString html = QString::fromUtf8(proc.readAllStandardOutput());
  QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
  if (auto p = page.match(html); p.hasMatch() && pageSize)
    *pageSize = QSizeF(p.captured(1).toDouble(), p.captured(2).toDouble());
  QRegularExpression word(
      QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re"));
  std::multimap<QString, Word> out;
  for (auto it = word.globalMatch(html); it.hasNext();) {
    auto m = it.next();
    const double x = m.captured(1).toDouble();
    out.insert({m.captured(4), {x, m.captured(2).toDouble(), m.captured(3).toDouble() - x}});
  }
  return out;
}

bool havePdftotext() {
  return QProcess::execute(QStringLiteral("pdftotext"), {QStringLiteral("-v")}) == 0;
}

TEST(QtPrinter, PdfPutsEveryTextWhereThePageSays) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext is not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
  const ui::PrintedPage page = designPage();
  ASSERT_TRUE(zemlox::qt::writePdfBytes(pdf, zemlox::qt::pagePdf(page)));
  QSizeF size;
  const auto words = pdfWords(pdf, &size);
  // The page's own sheet, and its origin where the page says.
  EXPECT_NEAR(size.width(), page.paper.across(), 0.5);
  EXPECT_NEAR(size.height(), page.paper.down(), 0.5);
  ASSERT_EQ(words.count(QStringLiteral("Zemlox")), 1u);
  const Word z = words.find(QStringLiteral("Zemlox"))->second;
  EXPECT_NEAR(z.x, page.paper.left + 10, 0.5);
  // Sizes in points, not applied twice: twelve full-width characters of
  // 13 pt, six half-width ones of 9 pt.
  EXPECT_NEAR(words.find(QStringLiteral("地震観測シミュレーション"))->second.width, 12 * 13, 1);
  EXPECT_NEAR(z.width, 6 * 4.5, 0.5);
  int texts = 0;
  for (const ui::PrintOp& op : page.ops) {
    if (op.kind != ui::PrintOp::Text) continue;
    ++texts;
    const QString s = QString::fromStdString(op.text);
    SCOPED_TRACE(s.toStdString());
    auto [lo, hi] = words.equal_range(s);
    ASSERT_NE(lo, hi);
    bool placed = false;
    for (auto it = lo; it != hi; ++it) {
      const double dx = it->second.x - z.x - (op.x1 - 10), dy = it->second.y - z.y - (op.y1 - 29);
      placed = placed || (std::abs(dx) <= 1 && std::abs(dy) <= 1);
    }
    EXPECT_TRUE(placed);
  }
  EXPECT_EQ(texts, 18);
}

TEST(QtPrinter, OutlinesAreBlackAndNothingIsFilled) {
  const ui::PrintedPage page = designPage();
  QImage img(620 * 2, 440 * 2, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    p.scale(2, 2);
    zemlox::qt::paintPage(p, page);
  }
  // At page points: the page stands at its origin on the sheet.
  auto at = [&](double x, double y) {
    return img.pixelColor(static_cast<int>((x + page.paper.left) * 2), static_cast<int>((y + page.paper.top) * 2));
  };
  EXPECT_EQ(at(64.375, 204.375), QColor(Qt::white));  // inside a station circle
  EXPECT_EQ(at(200, 150), QColor(Qt::white));         // inside the plan panel
  EXPECT_LT(at(10, 150).lightness(), 128);            // the plan panel's left edge
  EXPECT_LT(at(326.75, 200).lightness(), 128);        // the distance axis
  const QColor edge = at(64.375, 204.375 + 3.375);
  EXPECT_TRUE(edge.red() == edge.green() && edge.green() == edge.blue()) << "grey, not coloured";
}

// Answers the modal dialogs as they come up: message boxes with OK, the save
// dialog with `file` (or cancel when empty). Returns what it saw, and
// whether the click returned before any dialog came up.
QStringList answerDialogs(const QString& file, bool* returnedFirst = nullptr) {
  auto* seen = new QStringList;
  auto* timer = new QTimer;
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [seen, file, ticks] {
    QWidget* w = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
      seen->append(QStringLiteral("message:") + box->text());
      box->accept();
    } else if (auto* dlg = qobject_cast<QFileDialog*>(w)) {
      // The dialog settles its directory and proposed name asynchronously;
      // answer once it has been up for a while, as a user would.
      if (++*ticks < 5) return;
      *ticks = 0;
      seen->append(QStringLiteral("save:") + dlg->selectedFiles().value(0));
      if (file.isEmpty()) {
        dlg->reject();
      } else {
        // Typed into the name field, as a user would.
        auto* name = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(file);
        static_cast<QDialog*>(dlg)->accept();  // QFileDialog's own accept() reads the name
      }
    }
  });
  timer->start(20);
  zemlox::qt::QtPrinter printer;
  observe::printReport(printer, designInputs());
  if (returnedFirst) *returnedFirst = seen->isEmpty();
  // The click returns at once; the message and the dialog follow once the
  // print system has been asked.
  EXPECT_TRUE(QTest::qWaitFor([seen] { return seen->size() >= 2 && !QApplication::activeModalWidget(); }, 20000));
  timer->deleteLater();
  QStringList out = *seen;
  delete seen;
  EXPECT_EQ(printer.pages().size(), 1u);
  return out;
}

class NoPrinter : public ::testing::Test {
 protected:
  // Points the print system at a server that is not there.
  void SetUp() override { setenv("CUPS_SERVER", "/nonexistent/zemlox-cups.sock", 1); }
};

TEST_F(NoPrinter, TellsTheUserAndSavesThePageAsPdf) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
  const QStringList seen = answerDialogs(pdf);
  ASSERT_EQ(seen.size(), 2);
  EXPECT_TRUE(seen[0].startsWith(QStringLiteral("message:印刷できませんでした。\n"
                                                "このコンピューターでは印刷システムが動いていません。")));
  EXPECT_TRUE(seen[1].endsWith(QStringLiteral("地震観測の記録.pdf")));
  ASSERT_TRUE(QFileInfo::exists(pdf));
  if (havePdftotext()) {
    EXPECT_EQ(pdfWords(pdf, nullptr).count(QStringLiteral("地震の大きさ：中")), 1u);
  }
}

TEST_F(NoPrinter, CancellingTheSaveWritesNothing) {
  QTemporaryDir dir;
  const QStringList seen = answerDialogs(QString());
  EXPECT_EQ(seen.size(), 2);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// A print server that takes the connection and never answers, as a hung
// one does: the click returns at once, and the pupil is told in the end.
TEST(HungPrintSystem, TheClickReturnsAndThePupilIsToldInTheEnd) {
  QTemporaryDir dir;
  const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("cups.sock")));
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<size_t>(path.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(server, 8), 0);
  setenv("CUPS_SERVER", path.constData(), 1);
  bool returnedFirst = false;
  const QStringList seen = answerDialogs(QString(), &returnedFirst);
  ::close(server);
  EXPECT_TRUE(returnedFirst);
  ASSERT_EQ(seen.size(), 2);
  EXPECT_EQ(seen[0], QStringLiteral("message:印刷できませんでした。\n"
                                    "印刷システムから10秒たっても応答がありません。\n\n"
                                    "「OK」を押すと、同じページをPDFファイルとして保存する画面が開きます。"
                                    "保存しないときは、その画面で「キャンセル」を押してください。"));
}

}  // namespace
