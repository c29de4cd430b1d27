// Looking at an accepted print job until it is printed, fails or is given up.
#include "ui/qt/job_follower.h"

#include <QWidget>

#include "ui/qt/pdf_offer.h"

namespace zemlox::qt {

QString jobFailedMessage(const JobLook& look) {
  QString message = QStringLiteral("プリンターで問題が起きたため、印刷できませんでした。");
  const std::string reasons = failureReasons(look);
  if (!reasons.empty()) message += QLatin1Char('\n') + QString::fromStdString(reasons);
  return message;
}

void JobFollower::follow(QWidget* window, CupsQueue queue, int job, QByteArray pdf) {
  // Owned by the window, or by itself when printing came from no window.
  new JobFollower(window, std::move(queue), job, std::move(pdf));
}

JobFollower::JobFollower(QWidget* window, CupsQueue queue, int job, QByteArray pdf)
    : QObject(window),
      window_(window),
      hadWindow_(window != nullptr),
      queue_(std::move(queue)),
      job_(job),
      pdf_(std::move(pdf)) {
  timer_.setInterval(kLookEveryMs);
  connect(&timer_, &QTimer::timeout, this, [this] { lookAgain(); });
  since_.start();
  timer_.start();
}

void JobFollower::finish() {
  timer_.stop();
  deleteLater();
}

void JobFollower::lookAgain() {
  if (hadWindow_ && (!window_ || !window_->isVisible())) return finish();
  const JobLook look = queue_.look(job_);
  switch (judgeJob(look)) {
    case JobVerdict::Waiting:
      if (since_.elapsed() >= kFollowForMs) finish();
      return;
    case JobVerdict::Completed:
    case JobVerdict::Withdrawn:
      return finish();
    case JobVerdict::Failed:
      break;
  }
  // Stopped before the dialogs run their own event loops, so no look comes
  // in between.
  timer_.stop();
  const QPointer<JobFollower> self(this);
  const QByteArray pdf = pdf_;
  tellAndOfferPdf(window_, jobFailedMessage(look), [&pdf](const QString& path) { return writePdfBytes(path, pdf); });
  if (self) deleteLater();
}

}  // namespace zemlox::qt
