// What one look at a print job and its printer means for the pupil: still
// on its way, printed, withdrawn on purpose, failed or lost sight of, and
// the printer's reasons in plain Japanese. No print system is called here;
// the states and keywords are those the print system reports.
#pragma once

#include <string>
#include <vector>

namespace zemlox::qt {

// Job and printer states with the numbers the print system gives them.
enum class JobState { Unknown = 0, Pending = 3, Held, Processing, Stopped, Canceled, Aborted, Completed };
enum class PrinterState { Unknown = 0, Idle = 3, Processing, Stopped };

// A print system that has said nothing for this long counts as failed.
constexpr long long kSilenceLimitMs = 10'000;

struct JobLook {
  JobState job = JobState::Unknown;
  std::vector<std::string> jobReasons;
  PrinterState printer = PrinterState::Unknown;
  std::vector<std::string> printerReasons;  // keywords, e.g. "media-empty-error"
  std::string printerMessage;               // the print system's own words, if any
  bool answered = true;                     // false: no answer (hung, gone, or timed out)
  bool jobListed = true;                    // false: the print system no longer knows the job
  bool acceptingJobs = true;                // false: the queue rejects new jobs
  long long silentMs = 0;                   // how long the print system has said nothing
};

enum class JobVerdict {
  Waiting,    // look again later
  Completed,  // the page was printed
  Withdrawn,  // someone cancelled the job on purpose
  Failed,     // the page will not come out
  Lost,       // the print system stopped answering, or dropped the job unprinted
};

JobVerdict judgeJob(const JobLook& look);

// Whether the printer, before a job is sent, would hold or refuse it.
bool printerRefuses(const JobLook& printer);

// The problems in Japanese, one sentence per line, each followed by the
// print system's own words for it in brackets, then the print system's
// message when it says more. Empty when nothing is known.
std::string failureReasons(const JobLook& look);

}  // namespace zemlox::qt
