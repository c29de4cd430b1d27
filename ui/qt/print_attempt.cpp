// From the click to an accepted job, or to the message and the PDF offer.
#include "ui/qt/print_attempt.h"

#include <QWidget>

#include "ui/qt/cups_queue.h"
#include "ui/qt/job_follower.h"
#include "ui/qt/page_painter.h"
#include "ui/qt/pdf_offer.h"
#include "ui/qt/print_thread.h"

namespace zemlox::qt {

namespace {

QString noPrinterMessage(CupsQueue::Found why) {
  return failedMessage(why == CupsQueue::Found::NoDefault
                           ? QStringLiteral("既定のプリンターが設定されていません。")
                           : QStringLiteral("このコンピューターでは印刷システムが動いていません。"));
}

QString silentMessage() {
  JobLook silent;
  silent.answered = false;
  silent.silentMs = kSilenceLimitMs;
  return failedMessage(QString::fromStdString(failureReasons(silent)));
}

}  // namespace

void PrintAttempt::start(QWidget* window, const ui::PrintedPage& page) {
  // Owned by the window, or by itself when printing came from no window.
  auto* attempt = new PrintAttempt(window, page);
  callPrintSystem(attempt, [self = attempt]() -> Answer {
    CupsQueue::Found why = CupsQueue::Found::NoPrintSystem;
    std::optional<CupsQueue> found = CupsQueue::defaultQueue(why);
    if (!found) return [self, why] { self->found(nullptr, why, {}); };
    auto queue = std::make_shared<CupsQueue>(std::move(*found));
    const JobLook printer = queue->lookAtPrinter();
    return [self, queue, printer] { self->found(queue, CupsQueue::Found::Queue, printer); };
  });
}

PrintAttempt::PrintAttempt(QWidget* window, const ui::PrintedPage& page)
    : QObject(window), window_(window), hadWindow_(window != nullptr), page_(page) {}

bool PrintAttempt::windowGone() const { return hadWindow_ && (!window_ || !window_->isVisible()); }

void PrintAttempt::found(std::shared_ptr<CupsQueue> queue, CupsQueue::Found why, const JobLook& printer) {
  if (windowGone()) return deleteLater();
  pdf_ = pagePdf(page_);
  if (!queue) return fail(why == CupsQueue::Found::NoAnswer ? silentMessage() : noPrinterMessage(why));
  if (!printer.answered) return fail(silentMessage());
  // A stopped printer would hold the page until someone restarts it; a
  // rejecting queue would refuse it.
  if (printerRefuses(printer)) return fail(jobFailedMessage(printer));
  callPrintSystem(this, [self = this, queue, pdf = pdf_, name = QString::fromStdString(page_.name)]() -> Answer {
    const CupsQueue::Submission s = queue->submit(pdf, name);
    return [self, queue, s] { self->sent(queue, s); };
  });
}

void PrintAttempt::sent(std::shared_ptr<CupsQueue> queue, const CupsQueue::Submission& s) {
  if (s.sent) {
    JobFollower::follow(window_, std::move(queue), s.job, pdf_, QString::fromStdString(page_.name));
    return deleteLater();
  }
  // A job the print system may still hold must not come out after the
  // pupil was told it failed.
  if (s.job != 0) withdrawWhenAnswered(queue, s.job);
  if (windowGone()) return deleteLater();
  if (!s.answered) return fail(silentMessage());
  if (!s.accepting) {
    JobLook rejecting;
    rejecting.acceptingJobs = false;
    return fail(jobFailedMessage(rejecting));
  }
  fail(failedMessage(QStringLiteral("プリンターにページを送れませんでした。")));
}

void PrintAttempt::fail(const QString& why) {
  const QPointer<PrintAttempt> self(this);
  const QByteArray pdf = pdf_;
  tellAndOfferPdf(window_, why, QString::fromStdString(page_.name),
                  [&pdf](const QString& path) { return writePdfBytes(path, pdf); });
  if (self) deleteLater();
}

}  // namespace zemlox::qt
