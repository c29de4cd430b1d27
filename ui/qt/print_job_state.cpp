// Judging a print job from its state and its printer's state reasons.
#include "ui/qt/print_job_state.h"

#include <algorithm>
#include <string_view>

namespace zemlox::qt {

namespace {

struct Wording {
  std::string_view keyword;
  std::string_view japanese;
};

constexpr std::string_view kStopped = "プリンターが停止しています。";
constexpr std::string_view kOtherError = "プリンターでエラーが起きました。";

// Printer conditions that keep a page from coming out, whatever their
// severity suffix says, except a mere warning.
constexpr Wording kFaults[] = {
    {"paused", kStopped},
    {"offline", "プリンターの電源が入っていないか、つながっていません。"},
    {"media-empty", "プリンターに用紙がありません。"},
    {"media-needed", "プリンターに用紙がありません。"},
    {"media-jam", "プリンターに紙がつまっています。"},
    {"toner-empty", "インクまたはトナーがなくなっています。"},
    {"marker-supply-empty", "インクまたはトナーがなくなっています。"},
    {"door-open", "プリンターのふたが開いています。"},
    {"cover-open", "プリンターのふたが開いています。"},
    {"interlock-open", "プリンターのふたが開いています。"},
    {"input-tray-missing", "用紙トレイが入っていません。"},
    {"output-area-full", "排紙トレイがいっぱいです。"},
};

constexpr Wording kJobWordings[] = {
    {"job-canceled-at-device", "プリンターの側で印刷が取り消されました。"},
};

struct Reason {
  std::string_view base;
  std::string_view severity;  // "error", "warning", "report" or empty
};

Reason split(std::string_view keyword) {
  for (std::string_view s : {"error", "warning", "report"}) {
    if (keyword.size() > s.size() + 1 && keyword.ends_with(s) &&
        keyword[keyword.size() - s.size() - 1] == '-') {
      return {keyword.substr(0, keyword.size() - s.size() - 1), s};
    }
  }
  return {keyword, {}};
}

// The Japanese sentence for a printer reason that stops printing, or empty
// when the reason does not.
std::string_view faultWording(std::string_view keyword) {
  const Reason r = split(keyword);
  if (r.severity == "warning") return {};
  for (const Wording& w : kFaults) {
    if (w.keyword == r.base) return w.japanese;
  }
  return r.severity == "error" ? kOtherError : std::string_view{};
}

bool hasFault(const JobLook& look) {
  return look.printer == PrinterState::Stopped ||
         std::any_of(look.printerReasons.begin(), look.printerReasons.end(),
                     [](const std::string& r) { return !faultWording(r).empty(); });
}

bool contains(const std::vector<std::string>& list, std::string_view s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

JobVerdict judgeJob(const JobLook& look) {
  switch (look.job) {
    case JobState::Completed:
      return JobVerdict::Completed;
    case JobState::Canceled:
      if (contains(look.jobReasons, "job-canceled-by-user") ||
          contains(look.jobReasons, "job-canceled-by-operator")) {
        return JobVerdict::Withdrawn;
      }
      return JobVerdict::Failed;
    case JobState::Aborted:
    case JobState::Stopped:
      return JobVerdict::Failed;
    case JobState::Pending:
    case JobState::Held:
    case JobState::Processing:
    case JobState::Unknown:
      break;
  }
  // A job still queued fails with its printer: a stopped or faulty printer
  // holds it until someone sees to the printer.
  return hasFault(look) ? JobVerdict::Failed : JobVerdict::Waiting;
}

std::string failureReasons(const JobLook& look) {
  std::vector<std::string_view> lines;
  auto add = [&lines](std::string_view s) {
    if (!s.empty() && std::find(lines.begin(), lines.end(), s) == lines.end()) lines.push_back(s);
  };
  if (look.printer == PrinterState::Stopped) add(kStopped);
  for (const std::string& r : look.printerReasons) add(faultWording(r));
  for (const Wording& w : kJobWordings) {
    if (contains(look.jobReasons, w.keyword)) add(w.japanese);
  }
  std::string out;
  for (std::string_view l : lines) {
    out += l;
    out += '\n';
  }
  if (!look.printerMessage.empty()) out += "プリンターからの知らせ：" + look.printerMessage + '\n';
  if (!out.empty()) out.pop_back();
  return out;
}

}  // namespace zemlox::qt
