// What one look at a print job and its printer means for the pupil: still
// on its way, printed, withdrawn on purpose, or failed, and the printer's
// reasons in plain Japanese. No print system is called here; the states and
// keywords are those the print system reports.
#pragma once

#include <string>
#include <vector>

namespace zemlox::qt {

// Job and printer states with the numbers the print system gives them.
enum class JobState { Unknown = 0, Pending = 3, Held, Processing, Stopped, Canceled, Aborted, Completed };
enum class PrinterState { Unknown = 0, Idle = 3, Processing, Stopped };

struct JobLook {
  JobState job = JobState::Unknown;
  std::vector<std::string> jobReasons;
  PrinterState printer = PrinterState::Unknown;
  std::vector<std::string> printerReasons;  // keywords, e.g. "media-empty-error"
  std::string printerMessage;               // the print system's own words, if any
};

enum class JobVerdict {
  Waiting,    // look again later
  Completed,  // the page was printed
  Withdrawn,  // someone cancelled the job on purpose
  Failed,     // the page will not come out
};

JobVerdict judgeJob(const JobLook& look);

// The printer's problems in Japanese, one sentence per line, followed by the
// print system's own message when it gave one. Empty when nothing is known.
std::string failureReasons(const JobLook& look);

}  // namespace zemlox::qt
