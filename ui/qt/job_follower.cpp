// Looking at an accepted print job until it is printed, fails, is lost or
// is given up.
#include "ui/qt/job_follower.h"

#include <QWidget>

#include "ui/qt/pdf_offer.h"
#include "ui/qt/print_thread.h"

namespace zemlox::qt {

namespace {

constexpr int kWithdrawEveryMs = 2000;
constexpr qint64 kWithdrawForMs = 600'000;

// Lives on its own, not with the window: the job must go even when the
// pupil has closed the window since.
class Withdrawal : public QObject {
 public:
  Withdrawal(std::shared_ptr<CupsQueue> queue, int job) : queue_(std::move(queue)), job_(job) {
    timer_.setSingleShot(true);
    timer_.setInterval(kWithdrawEveryMs);
    connect(&timer_, &QTimer::timeout, this, [this] { tryOnce(); });
    since_.start();
    tryOnce();
  }

 private:
  // The print thread only holds the pointer; the answer runs while `this` lives.
  void tryOnce() {
    callPrintSystem(this, [self = this, queue = queue_, job = job_]() -> Answer {
      const bool answered = queue->withdraw(job);
      return [self, answered] { self->heard(answered); };
    });
  }
  void heard(bool done) {
    if (done || since_.elapsed() >= kWithdrawForMs) return deleteLater();
    timer_.start();
  }

  std::shared_ptr<CupsQueue> queue_;
  int job_;
  QTimer timer_;
  QElapsedTimer since_;
};

}  // namespace

QString failedMessage(const QString& reasons) {
  return QStringLiteral("印刷できませんでした。\n") + reasons;
}

QString jobFailedMessage(const JobLook& look) {
  const std::string reasons = failureReasons(look);
  return failedMessage(reasons.empty() ? QStringLiteral("プリンターか印刷システムで問題が起きました。")
                                       : QString::fromStdString(reasons));
}

void withdrawWhenAnswered(std::shared_ptr<CupsQueue> queue, int job) {
  new Withdrawal(std::move(queue), job);
}

void JobFollower::follow(QWidget* window, std::shared_ptr<CupsQueue> queue, int job, QByteArray pdf,
                         QString name) {
  // Owned by the window, or by itself when printing came from no window.
  new JobFollower(window, std::move(queue), job, std::move(pdf), std::move(name));
}

JobFollower::JobFollower(QWidget* window, std::shared_ptr<CupsQueue> queue, int job, QByteArray pdf,
                         QString name)
    : QObject(window),
      window_(window),
      hadWindow_(window != nullptr),
      queue_(std::move(queue)),
      job_(job),
      pdf_(std::move(pdf)),
      name_(std::move(name)) {
  timer_.setInterval(kLookEveryMs);
  connect(&timer_, &QTimer::timeout, this, [this] { lookAgain(); });
  since_.start();
  sinceAnswer_.start();
  timer_.start();
}

void JobFollower::finish() {
  timer_.stop();
  deleteLater();
}

void JobFollower::lookAgain() {
  if (hadWindow_ && (!window_ || !window_->isVisible())) return finish();
  // One look at a time: a print system slow to answer is not asked again meanwhile.
  if (asking_) return;
  asking_ = true;
  callPrintSystem(this, [self = this, queue = queue_, job = job_]() -> Answer {
    JobLook look = queue->look(job);
    return [self, look = std::move(look)] { self->judge(look); };
  });
}

void JobFollower::judge(JobLook look) {
  asking_ = false;
  if (look.answered) {
    sinceAnswer_.restart();
  } else {
    look.silentMs = sinceAnswer_.elapsed();
  }
  const JobVerdict verdict = judgeJob(look);
  switch (verdict) {
    case JobVerdict::Waiting:
      if (look.answered && since_.elapsed() >= kFollowForMs) finish();
      return;
    case JobVerdict::Completed:
    case JobVerdict::Withdrawn:
      return finish();
    case JobVerdict::Failed:
      break;
    case JobVerdict::Lost:
      withdrawWhenAnswered(queue_, job_);
      break;
  }
  // Stopped before the dialogs run their own event loops, so no look comes
  // in between.
  timer_.stop();
  const QPointer<JobFollower> self(this);
  const QByteArray pdf = pdf_;
  tellAndOfferPdf(window_, jobFailedMessage(look), name_, [&pdf](const QString& path) { return writePdfBytes(path, pdf); });
  if (self) deleteLater();
}

}  // namespace zemlox::qt
