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
constexpr std::string_view kRejecting = "このプリンターは今、印刷を受け付けていません。";
constexpr std::string_view kOtherError = "プリンターでエラーが起きました。";
constexpr std::string_view kSilent = "印刷システムから10秒たっても応答がありません。";
constexpr std::string_view kDropped = "ページが印刷されないまま、印刷待ちの一覧から消えました。";

// Printer conditions that keep a page from coming out, whatever their
// severity suffix says, except a mere warning.
constexpr Wording kFaults[] = {
    {"paused", kStopped},
    {"offline", "プリンターの電源が入っていないか、つながっていません。"},
    {"media-empty", "プリンターに用紙がありません。"},
    {"media-needed", "プリンターに用紙がありません。"},
    {"media-jam", "プリンターで用紙がつまっています。"},
    {"toner-empty", "インクまたはトナーがなくなっています。"},
    {"marker-supply-empty", "インクまたはトナーがなくなっています。"},
    {"door-open", "プリンターのふたが開いています。"},
    {"cover-open", "プリンターのふたが開いています。"},
    {"interlock-open", "プリンターのふたが開いています。"},
    {"input-tray-missing", "用紙トレイが入っていません。"},
    {"output-area-full", "排紙トレイがいっぱいです。"},
};

constexpr Wording kJobWordings[] = {
    {"job-canceled-at-device", "プリンター本体で印刷が取り消されました。"},
};

// The print system's stock English for a state the program already names.
constexpr std::string_view kStockPaused = "Paused";
constexpr std::string_view kStockRejecting = "Rejecting Jobs";

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

// Japanese sentences in the order first named, each with the print
// system's words that led to it.
class Lines {
 public:
  void add(std::string_view japanese, std::string_view own = {}) {
    if (japanese.empty()) return;
    auto it = std::find_if(lines_.begin(), lines_.end(),
                           [japanese](const Line& l) { return l.japanese == japanese; });
    if (it == lines_.end()) it = lines_.insert(lines_.end(), Line{japanese, {}});
    if (!own.empty() && !contains(it->own, own)) it->own.emplace_back(own);
  }
  bool has(std::string_view japanese) const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [japanese](const Line& l) { return l.japanese == japanese; });
  }
  std::string text() const {
    std::string out;
    for (const Line& l : lines_) {
      out += l.japanese;
      for (size_t i = 0; i < l.own.size(); ++i) out += (i == 0 ? "（" : ", ") + l.own[i];
      if (!l.own.empty()) out += "）";
      out += '\n';
    }
    return out;
  }

 private:
  struct Line {
    std::string_view japanese;
    std::vector<std::string> own;
  };
  std::vector<Line> lines_;
};

}  // namespace

JobVerdict judgeJob(const JobLook& look) {
  if (!look.answered) return look.silentMs >= kSilenceLimitMs ? JobVerdict::Lost : JobVerdict::Waiting;
  if (!look.jobListed) return JobVerdict::Lost;
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

bool printerRefuses(const JobLook& printer) {
  return printer.answered && (printer.printer == PrinterState::Stopped || !printer.acceptingJobs);
}

std::string failureReasons(const JobLook& look) {
  Lines lines;
  if (!look.answered) {
    if (look.silentMs >= kSilenceLimitMs) lines.add(kSilent);
  } else if (!look.jobListed) {
    lines.add(kDropped);
  }
  std::string message = look.printerMessage;
  if (!look.acceptingJobs) {
    // The queue's reason for rejecting is its message; CUPS's stock one says no more.
    lines.add(kRejecting, message.empty() ? kStockRejecting : std::string_view(message));
    message.clear();
  }
  for (const std::string& r : look.printerReasons) lines.add(faultWording(r), r);
  if (look.printer == PrinterState::Stopped && !lines.has(kStopped)) lines.add(kStopped, "stopped");
  for (const Wording& w : kJobWordings) {
    if (contains(look.jobReasons, w.keyword)) lines.add(w.japanese, w.keyword);
  }
  if ((message == kStockPaused && lines.has(kStopped)) || message == kStockRejecting) message.clear();
  std::string out = lines.text();
  if (!message.empty()) out += "プリンターからのメッセージ：" + message + '\n';
  if (!out.empty()) out.pop_back();
  return out;
}

}  // namespace zemlox::qt
