// Follows one print job after the queue accepted it, without holding up the
// window: a timer looks at the job and its printer twice a second for up to
// two minutes. When the page will not come out, the pupil is told why and
// may keep the same page as a PDF file. A printed or withdrawn job ends the
// following quietly, and so does closing the window it was printed from.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "ui/qt/cups_queue.h"

class QWidget;

namespace zemlox::qt {

class JobFollower : public QObject {
 public:
  static constexpr int kLookEveryMs = 500;
  static constexpr qint64 kFollowForMs = 120'000;

  // Starts following; the follower belongs to `window` (when there is one)
  // and goes with it.
  static void follow(QWidget* window, CupsQueue queue, int job, QByteArray pdf);

 private:
  JobFollower(QWidget* window, CupsQueue queue, int job, QByteArray pdf);
  void lookAgain();
  void finish();

  QPointer<QWidget> window_;
  bool hadWindow_;
  CupsQueue queue_;
  int job_;
  QByteArray pdf_;
  QTimer timer_;
  QElapsedTimer since_;
};

// The message for a failed job: the plain statement, then the reasons.
QString jobFailedMessage(const JobLook& look);

}  // namespace zemlox::qt
