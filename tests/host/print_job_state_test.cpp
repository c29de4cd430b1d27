// Judging print jobs from what the print system reported, look after look,
// as it did for queues that print, fail, stop or are cancelled; and the
// Japanese the pupil reads about the printer.
#include <gtest/gtest.h>

#include <QString>

#include "ui/qt/job_follower.h"
#include "ui/qt/print_job_state.h"

namespace {

using zemlox::qt::JobLook;
using zemlox::qt::JobState;
using zemlox::qt::JobVerdict;
using zemlox::qt::PrinterState;

JobLook look(JobState j, PrinterState p, std::vector<std::string> printerReasons = {"none"},
             std::vector<std::string> jobReasons = {}, std::string message = {}) {
  return {j, std::move(jobReasons), p, std::move(printerReasons), std::move(message)};
}

// Looks at a recorded sequence as the follower does: the first verdict
// that is not "waiting", and the look it came at (-1 when it never came).
std::pair<JobVerdict, int> follow(const std::vector<JobLook>& looks) {
  for (size_t i = 0; i < looks.size(); ++i) {
    const JobVerdict v = zemlox::qt::judgeJob(looks[i]);
    if (v != JobVerdict::Waiting) return {v, static_cast<int>(i)};
  }
  return {JobVerdict::Waiting, -1};
}

TEST(PrintJobState, RecordedSequencesEndAsTheirQueuesDid) {
  using J = JobState;
  using P = PrinterState;
  struct Case {
    const char* what;
    std::vector<JobLook> looks;
    JobVerdict verdict;
    int at;
  };
  const std::vector<Case> cases = {
      {"printed",
       {look(J::Pending, P::Idle), look(J::Processing, P::Processing, {"none"}, {"job-printing"}),
        look(J::Completed, P::Idle, {"none"}, {"job-completed-successfully"})},
       JobVerdict::Completed, 2},
      {"printed with low supplies and a printer that was briefly unsure of its paper",
       {look(J::Processing, P::Processing, {"marker-supply-low-warning", "media-empty-warning"}),
        look(J::Processing, P::Processing, {"connecting-to-device"}),
        look(J::Completed, P::Idle, {"marker-supply-low-warning"})},
       JobVerdict::Completed, 2},
      {"backend failed, the queue aborts the job",
       {look(J::Pending, P::Idle), look(J::Processing, P::Processing),
        look(J::Aborted, P::Idle, {"media-empty-error"}, {"aborted-by-system"}, "out of paper")},
       JobVerdict::Failed, 2},
      {"backend failed, the queue stops and keeps the job",
       {look(J::Pending, P::Idle), look(J::Processing, P::Processing),
        look(J::Pending, P::Stopped, {"paused"}, {"printer-stopped"}, "switched off")},
       JobVerdict::Failed, 2},
      {"job stopped with its printer",
       {look(J::Processing, P::Processing), look(J::Stopped, P::Stopped, {"paused"})},
       JobVerdict::Failed, 1},
      {"printer switched off while printing",
       {look(J::Processing, P::Processing), look(J::Processing, P::Processing, {"offline-report"})},
       JobVerdict::Failed, 1},
      {"paper jam without a stop",
       {look(J::Processing, P::Processing, {"media-jam"})}, JobVerdict::Failed, 0},
      {"some other fault of the printer",
       {look(J::Processing, P::Processing, {"fuser-over-temp-error"})}, JobVerdict::Failed, 0},
      {"cancelled at the printer", {look(J::Canceled, P::Idle, {"none"}, {"job-canceled-at-device"})},
       JobVerdict::Failed, 0},
      {"cancelled by the teacher",
       {look(J::Processing, P::Processing), look(J::Canceled, P::Idle, {"none"}, {"job-canceled-by-user"})},
       JobVerdict::Withdrawn, 1},
      {"cancelled by the administrator",
       {look(J::Canceled, P::Idle, {"none"}, {"job-canceled-by-operator"})}, JobVerdict::Withdrawn, 0},
      {"held by the queue for release, printer well",
       {look(J::Held, P::Idle, {"none"}, {"job-hold-until-specified"})}, JobVerdict::Waiting, -1},
      {"print system unreachable for a while",
       {look(J::Unknown, P::Unknown, {}), look(J::Processing, P::Processing),
        look(J::Completed, P::Idle)},
       JobVerdict::Completed, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto [verdict, at] = follow(c.looks);
    EXPECT_EQ(verdict, c.verdict);
    EXPECT_EQ(at, c.at);
  }
}

TEST(PrintJobState, ThePupilReadsThePrintersReasonsInJapanese) {
  using J = JobState;
  using P = PrinterState;
  // A stopped printer is named once, however it is reported.
  EXPECT_EQ(zemlox::qt::failureReasons(look(J::Pending, P::Stopped, {"paused"}, {}, "switched off")),
            "プリンターが停止しています。\nプリンターからの知らせ：switched off");
  EXPECT_EQ(zemlox::qt::failureReasons(
                look(J::Processing, P::Processing, {"media-empty-error", "media-jam", "media-needed"})),
            "プリンターに用紙がありません。\nプリンターに紙がつまっています。");
  EXPECT_EQ(zemlox::qt::failureReasons(look(J::Processing, P::Processing, {"offline-report"})),
            "プリンターの電源が入っていないか、つながっていません。");
  // Warnings are not reasons the page failed; unknown errors are told as such.
  EXPECT_EQ(zemlox::qt::failureReasons(
                look(J::Aborted, P::Idle, {"toner-low-warning", "spool-area-full-error"})),
            "プリンターでエラーが起きました。");
  EXPECT_EQ(zemlox::qt::failureReasons(look(J::Aborted, P::Idle)), "");

  const QString full = zemlox::qt::jobFailedMessage(look(J::Aborted, P::Idle, {"media-empty-error"}));
  EXPECT_EQ(full, QStringLiteral("プリンターで問題が起きたため、印刷できませんでした。\n"
                                 "プリンターに用紙がありません。"));
  EXPECT_EQ(zemlox::qt::jobFailedMessage(look(J::Aborted, P::Idle)),
            QStringLiteral("プリンターで問題が起きたため、印刷できませんでした。"));
}

}  // namespace
