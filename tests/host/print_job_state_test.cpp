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
  const auto reasons = [](const JobLook& l) { return zemlox::qt::failureReasons(l); };
  // A stopped printer is named once, however it is reported; CUPS's stock
  // "Paused" says nothing more, a backend's own words do.
  EXPECT_EQ(reasons(look(J::Pending, P::Stopped, {"paused"}, {}, "switched off")),
            "プリンターが停止しています。（paused）\nプリンターからのメッセージ：switched off");
  EXPECT_EQ(reasons(look(J::Pending, P::Stopped, {"paused"}, {}, "Paused")), "プリンターが停止しています。（paused）");
  EXPECT_EQ(reasons(look(J::Pending, P::Stopped, {"none"})), "プリンターが停止しています。（stopped）");
  // Reasons that mean the same are said once, with all of CUPS's words.
  EXPECT_EQ(reasons(look(J::Processing, P::Processing, {"media-empty-error", "media-jam", "media-needed"})),
            "プリンターに用紙がありません。（media-empty-error, media-needed）\n"
            "プリンターで用紙がつまっています。（media-jam）");
  EXPECT_EQ(reasons(look(J::Processing, P::Processing, {"offline-report"})),
            "プリンターの電源が入っていないか、つながっていません。（offline-report）");
  EXPECT_EQ(reasons(look(J::Canceled, P::Idle, {"none"}, {"job-canceled-at-device"})),
            "プリンター本体で印刷が取り消されました。（job-canceled-at-device）");
  // Warnings are not reasons the page failed; unknown errors are told as such.
  EXPECT_EQ(reasons(look(J::Aborted, P::Idle, {"toner-low-warning", "spool-area-full-error"})),
            "プリンターでエラーが起きました。（spool-area-full-error）");
  EXPECT_EQ(reasons(look(J::Aborted, P::Idle)), "");

  // A rejecting queue has a sentence of its own, with its reason in brackets.
  JobLook rejecting = look(J::Unknown, P::Idle, {"none"}, {}, "Rejecting Jobs");
  rejecting.acceptingJobs = false;
  EXPECT_EQ(reasons(rejecting), "このプリンターは今、印刷を受け付けていません。（Rejecting Jobs）");
  rejecting.printerMessage = "toner being replaced";
  rejecting.printer = P::Stopped;
  rejecting.printerReasons = {"paused"};
  EXPECT_EQ(reasons(rejecting),
            "このプリンターは今、印刷を受け付けていません。（toner being replaced）\n"
            "プリンターが停止しています。（paused）");
  EXPECT_TRUE(zemlox::qt::printerRefuses(rejecting));
  EXPECT_TRUE(zemlox::qt::printerRefuses(look(J::Unknown, P::Stopped, {"paused"})));
  EXPECT_FALSE(zemlox::qt::printerRefuses(look(J::Unknown, P::Idle)));

  const QString full = zemlox::qt::jobFailedMessage(look(J::Aborted, P::Idle, {"media-empty-error"}));
  EXPECT_EQ(full, QStringLiteral("印刷できませんでした。\n"
                                 "プリンターに用紙がありません。（media-empty-error）"));
  EXPECT_EQ(zemlox::qt::jobFailedMessage(look(J::Aborted, P::Idle)),
            QStringLiteral("印刷できませんでした。\nプリンターか印刷システムで問題が起きました。"));
}

TEST(PrintJobState, AJobLostSightOfIsAFailureAfterTenSilentSeconds) {
  using J = JobState;
  using P = PrinterState;
  JobLook silent;
  silent.answered = false;
  for (long long ms : {0LL, 500LL, 9'999LL}) {
    silent.silentMs = ms;
    EXPECT_EQ(zemlox::qt::judgeJob(silent), JobVerdict::Waiting) << ms;
  }
  silent.silentMs = 10'000;
  EXPECT_EQ(zemlox::qt::judgeJob(silent), JobVerdict::Lost);
  EXPECT_EQ(zemlox::qt::failureReasons(silent), "印刷システムから10秒たっても応答がありません。");

  // The print system answers, but no longer knows the job: a restarted
  // daemon, or a job dropped without being printed.
  JobLook dropped = look(J::Unknown, P::Idle);
  dropped.jobListed = false;
  EXPECT_EQ(zemlox::qt::judgeJob(dropped), JobVerdict::Lost);
  EXPECT_EQ(zemlox::qt::failureReasons(dropped), "ページが印刷されないまま、印刷待ちの一覧から消えました。");
  // A queue that starts rejecting new jobs still prints the one it holds.
  JobLook rejectingLater = look(J::Processing, P::Processing);
  rejectingLater.acceptingJobs = false;
  EXPECT_EQ(zemlox::qt::judgeJob(rejectingLater), JobVerdict::Waiting);
}

}  // namespace
