// Follows one print job after the queue accepted it, without holding up the
// window: twice a second the print thread looks at the job and its printer,
// for up to two minutes. When the page will not come out, or the print
// system stops answering or drops the job, the pupil is told why and may
// keep the same page as a PDF file. A printed or withdrawn job ends the
// following quietly, and so does closing the window it was printed from.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "ui/qt/cups_queue.h"

class QWidget;

namespace zemlox::qt {

class JobFollower : public QObject {
 public:
  static constexpr int kLookEveryMs = 500;
  static constexpr qint64 kFollowForMs = 120'000;

  // Starts following; the follower belongs to `window` (when there is one)
  // and goes with it. `name`: the document's, for the file a failed job
  // offers to save.
  static void follow(QWidget* window, std::shared_ptr<CupsQueue> queue, int job, QByteArray pdf,
                     QString name);

 private:
  JobFollower(QWidget* window, std::shared_ptr<CupsQueue> queue, int job, QByteArray pdf, QString name);
  void lookAgain();
  void judge(JobLook look);
  void finish();

  QPointer<QWidget> window_;
  bool hadWindow_;
  std::shared_ptr<CupsQueue> queue_;
  int job_;
  QByteArray pdf_;
  QString name_;
  QTimer timer_;
  QElapsedTimer since_;
  QElapsedTimer sinceAnswer_;
  bool asking_ = false;
};

// Keeps cancelling a job the pupil was told had failed, every few seconds
// until the print system answers, so that a page the pupil may since have
// saved or printed again does not come out after all.
void withdrawWhenAnswered(std::shared_ptr<CupsQueue> queue, int job);

// What the pupil reads when the page did not reach paper: one plain
// statement, then the reasons, a sentence a line.
QString failedMessage(const QString& reasons);
// The same for a failed job, with the print system's reasons for it.
QString jobFailedMessage(const JobLook& look);

}  // namespace zemlox::qt
