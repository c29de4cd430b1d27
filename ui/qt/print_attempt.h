// One click on 印刷 on its way to the printer, without holding up the
// window: the print thread finds the default queue and its printer's
// state; the page is made into a PDF on its own paper; the print
// thread sends it, and an accepted job is followed (job_follower.h). When
// there is no printer, it refuses, or the print system says nothing for
// ten seconds, the pupil is told why and may keep the page as a PDF file.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <memory>

#include "ui/printer.h"
#include "ui/qt/cups_queue.h"

class QWidget;

namespace zemlox::qt {

class PrintAttempt : public QObject {
 public:
  // Starts printing the page; the attempt belongs to `window` (when there
  // is one) and goes with it.
  static void start(QWidget* window, const ui::PrintedPage& page);

 private:
  PrintAttempt(QWidget* window, const ui::PrintedPage& page);
  void found(std::shared_ptr<CupsQueue> queue, CupsQueue::Found why, const JobLook& printer);
  void sent(std::shared_ptr<CupsQueue> queue, const CupsQueue::Submission& s);
  void fail(const QString& why);
  bool windowGone() const;

  QPointer<QWidget> window_;
  bool hadWindow_;
  ui::PrintedPage page_;
  QByteArray pdf_;
};

}  // namespace zemlox::qt
