// Jobs and printer states through the print system's client library, each
// request on the queue's own connection with its own deadline.
#include "ui/qt/cups_queue.h"

#include <cups/cups.h>

#include <chrono>
#include <utility>

#include "ui/qt/print_thread.h"

namespace zemlox::qt {

// The connection to the print system, reopened after a request that failed.
class Contact {
 public:
  Contact() = default;
  Contact(const Contact&) = delete;
  Contact& operator=(const Contact&) = delete;
  ~Contact() { drop(); }

  // Starts one request, to be answered within the limit. Null when the print
  // system cannot be reached.
  http_t* begin() {
    deadline_ = Clock::now() + std::chrono::milliseconds(kSilenceLimitMs);
    silent_ = false;
    if (!http_) {
      const auto start = Clock::now();
      http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                           static_cast<int>(kSilenceLimitMs), printSystemCallsEnding());
      if (!http_) {
        silent_ = Clock::now() - start >= std::chrono::milliseconds(kSilenceLimitMs);
        return nullptr;
      }
      // Woken every quarter second while waiting, to give up at the deadline.
      httpSetTimeout(http_, 0.25, stillWaiting, this);
    }
    return http_;
  }

  // The last request went unanswered until its deadline.
  bool silent() const { return silent_; }

  void drop() {
    if (http_) httpClose(http_);
    http_ = nullptr;
  }

 private:
  using Clock = std::chrono::steady_clock;

  static int stillWaiting(http_t*, void* data) {
    auto* self = static_cast<Contact*>(data);
    if (!*printSystemCallsEnding() && Clock::now() < self->deadline_) return 1;
    self->silent_ = true;
    return 0;
  }

  http_t* http_ = nullptr;
  Clock::time_point deadline_;
  bool silent_ = false;
};

namespace {

std::vector<std::string> keywords(ipp_t* response, const char* name) {
  std::vector<std::string> out;
  ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_KEYWORD);
  for (int i = 0; a && i < ippGetCount(a); ++i) out.emplace_back(ippGetString(a, i, nullptr));
  return out;
}

std::string text(ipp_t* response, const char* name) {
  ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_TEXT);
  const char* s = a ? ippGetString(a, 0, nullptr) : nullptr;
  return s ? s : "";
}

// A request about the queue's printer.
ipp_t* newRequest(ipp_op_t op, const QByteArray& printerUri) {
  ipp_t* request = ippNewRequest(op);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.constData());
  return request;
}

// The same, asking for the given attributes.
template <int N>
ipp_t* newRequest(ipp_op_t op, const QByteArray& printerUri, const char* const (&wanted)[N]) {
  ipp_t* request = newRequest(op, printerUri);
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", N, nullptr, wanted);
  return request;
}

bool succeeded(ipp_t* response) {
  return response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING;
}

int enumValue(ipp_t* response, const char* name) {
  ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_ENUM);
  return a ? ippGetInteger(a, 0) : 0;
}

// Sends the request on the contact; null (and the connection closed) when
// no answer came.
ipp_t* ask(Contact& contact, ipp_t* request) {
  http_t* http = contact.begin();
  if (!http) {
    ippDelete(request);
    return nullptr;
  }
  ipp_t* response = cupsDoRequest(http, request, "/");
  if (!response) contact.drop();
  return response;
}

}  // namespace

std::optional<CupsQueue> CupsQueue::defaultQueue(Found& why) {
  // Each print reads the print system's settings afresh (the library keeps
  // them per thread), so a server set up since is found without a restart.
  cupsSetServer(nullptr);
  auto contact = std::make_unique<Contact>();
  http_t* http = contact->begin();
  cups_dest_t* dest = http ? cupsGetNamedDest(http, nullptr, nullptr) : nullptr;
  if (dest) {
    why = Found::Queue;
    return CupsQueue(dest, std::move(contact));
  }
  if (contact->silent()) {
    why = Found::NoAnswer;
  } else {
    why = http && cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? Found::NoDefault : Found::NoPrintSystem;
  }
  return std::nullopt;
}

CupsQueue::CupsQueue(cups_dest_t* dest, std::unique_ptr<Contact> contact)
    : dest_(dest), name_(QString::fromUtf8(dest->name)), contact_(std::move(contact)) {
  char uri[1024];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                   "/printers/%s", dest->name);
  printerUri_ = uri;
}

CupsQueue::CupsQueue(CupsQueue&& o) noexcept
    : dest_(std::exchange(o.dest_, nullptr)),
      info_(std::exchange(o.info_, nullptr)),
      name_(std::move(o.name_)),
      printerUri_(std::move(o.printerUri_)),
      contact_(std::move(o.contact_)) {}

CupsQueue& CupsQueue::operator=(CupsQueue&& o) noexcept {
  std::swap(dest_, o.dest_);
  std::swap(info_, o.info_);
  std::swap(name_, o.name_);
  std::swap(printerUri_, o.printerUri_);
  std::swap(contact_, o.contact_);
  return *this;
}

CupsQueue::~CupsQueue() {
  if (info_) cupsFreeDestInfo(info_);
  if (dest_) cupsFreeDests(1, dest_);
}

cups_dinfo_t* CupsQueue::info() {
  if (!info_) {
    if (http_t* http = contact_->begin()) info_ = cupsCopyDestInfo(http, dest_);
    if (!info_) contact_->drop();
  }
  return info_;
}

void CupsQueue::addPrinterState(JobLook& look) {
  static const char* const wanted[] = {"printer-state", "printer-state-reasons", "printer-state-message",
                                       "printer-is-accepting-jobs"};
  ipp_t* response = ask(*contact_, newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printerUri_, wanted));
  if (!response) {
    look.answered = false;
  } else if (succeeded(response)) {
    look.printer = static_cast<PrinterState>(enumValue(response, "printer-state"));
    look.printerReasons = keywords(response, "printer-state-reasons");
    if (look.printerMessage.empty()) look.printerMessage = text(response, "printer-state-message");
    ipp_attribute_t* accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    look.acceptingJobs = !accepting || ippGetBoolean(accepting, 0);
  }
  ippDelete(response);
}

JobLook CupsQueue::lookAtPrinter() {
  JobLook look;
  addPrinterState(look);
  return look;
}

JobLook CupsQueue::look(int job) {
  JobLook look;
  static const char* const wanted[] = {"job-state", "job-state-reasons", "job-printer-state-message"};
  ipp_t* request = newRequest(IPP_OP_GET_JOB_ATTRIBUTES, printerUri_, wanted);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ipp_t* response = ask(*contact_, request);
  if (!response) {
    look.answered = false;
    return look;
  }
  if (succeeded(response)) {
    look.job = static_cast<JobState>(enumValue(response, "job-state"));
    look.jobReasons = keywords(response, "job-state-reasons");
    look.printerMessage = text(response, "job-printer-state-message");
  } else if (ippGetStatusCode(response) == IPP_STATUS_ERROR_NOT_FOUND) {
    look.jobListed = false;
  }
  ippDelete(response);
  addPrinterState(look);
  return look;
}

CupsQueue::Submission CupsQueue::submit(const QByteArray& pdf, const QString& title) {
  Submission s;
  cups_dinfo_t* dinfo = info();
  http_t* http = dinfo ? contact_->begin() : nullptr;
  if (!http) {
    s.answered = !contact_->silent();
    return s;
  }
  const QByteArray name = title.toUtf8();
  const ipp_status_t created = cupsCreateDestJob(http, dest_, dinfo, &s.job, name.constData(), 0, nullptr);
  if (created > IPP_STATUS_OK_CONFLICTING) {
    s.answered = !contact_->silent();
    s.accepting = created != IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS;
    if (!s.answered) contact_->drop();
    s.job = s.answered ? 0 : s.job;
    return s;
  }
  contact_->begin();
  s.sent = cupsStartDestDocument(http, dest_, dinfo, s.job, name.constData(), CUPS_FORMAT_PDF, 0,
                                 nullptr, 1) == HTTP_STATUS_CONTINUE &&
           cupsWriteRequestData(http, pdf.constData(), static_cast<size_t>(pdf.size())) ==
               HTTP_STATUS_CONTINUE;
  if (s.sent) {
    contact_->begin();
    s.sent = cupsFinishDestDocument(http, dest_, dinfo) <= IPP_STATUS_OK_CONFLICTING;
  }
  if (!s.sent) {
    s.answered = !contact_->silent();
    contact_->drop();
    // A job that never got its page is withdrawn; the caller keeps trying
    // when the print system did not answer.
    if (s.answered && withdraw(s.job)) s.job = 0;
  }
  return s;
}

bool CupsQueue::withdraw(int job) {
  ipp_t* request = newRequest(IPP_OP_CANCEL_JOB, printerUri_);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ipp_t* response = ask(*contact_, request);
  ippDelete(response);
  return response != nullptr;
}

}  // namespace zemlox::qt
