// Jobs and printer states through the print system's client library.
#include "ui/qt/cups_queue.h"

#include <cups/cups.h>

#include <utility>

namespace zemlox::qt {

namespace {

constexpr int kConnectMs = 3000;
constexpr double kRequestSeconds = 5.0;

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

// A request about the queue's printer asking for three attributes.
ipp_t* newRequest(ipp_op_t op, const QByteArray& printerUri, const char* const (&wanted)[3]) {
  ipp_t* request = ippNewRequest(op);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.constData());
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, wanted);
  return request;
}

bool answered(ipp_t* response) {
  return response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING;
}

int enumValue(ipp_t* response, const char* name) {
  ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_ENUM);
  return a ? ippGetInteger(a, 0) : 0;
}

}  // namespace

std::optional<CupsQueue> CupsQueue::defaultQueue() {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (!dest) return std::nullopt;
  return CupsQueue(dest);
}

CupsQueue::CupsQueue(cups_dest_t* dest) : dest_(dest), name_(QString::fromUtf8(dest->name)) {
  char uri[1024];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                   "/printers/%s", dest->name);
  printerUri_ = uri;
}

CupsQueue::CupsQueue(CupsQueue&& o) noexcept
    : dest_(std::exchange(o.dest_, nullptr)),
      name_(std::move(o.name_)),
      printerUri_(std::move(o.printerUri_)),
      http_(std::exchange(o.http_, nullptr)) {}

CupsQueue& CupsQueue::operator=(CupsQueue&& o) noexcept {
  std::swap(dest_, o.dest_);
  std::swap(name_, o.name_);
  std::swap(printerUri_, o.printerUri_);
  std::swap(http_, o.http_);
  return *this;
}

CupsQueue::~CupsQueue() {
  if (http_) httpClose(http_);
  if (dest_) cupsFreeDests(1, dest_);
}

http_t* CupsQueue::connection() {
  if (!http_) {
    http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                         kConnectMs, nullptr);
    if (http_) httpSetTimeout(http_, kRequestSeconds, nullptr, nullptr);
  }
  return http_;
}

void CupsQueue::addPrinterState(JobLook& look) {
  http_t* http = connection();
  if (!http) return;
  static const char* const wanted[] = {"printer-state", "printer-state-reasons", "printer-state-message"};
  ipp_t* response =
      cupsDoRequest(http, newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printerUri_, wanted), "/");
  if (answered(response)) {
    look.printer = static_cast<PrinterState>(enumValue(response, "printer-state"));
    look.printerReasons = keywords(response, "printer-state-reasons");
    if (look.printerMessage.empty()) look.printerMessage = text(response, "printer-state-message");
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
  http_t* http = connection();
  if (!http) return look;
  static const char* const wanted[] = {"job-state", "job-state-reasons", "job-printer-state-message"};
  ipp_t* request = newRequest(IPP_OP_GET_JOB_ATTRIBUTES, printerUri_, wanted);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ipp_t* response = cupsDoRequest(http, request, "/");
  if (answered(response)) {
    look.job = static_cast<JobState>(enumValue(response, "job-state"));
    look.jobReasons = keywords(response, "job-state-reasons");
    look.printerMessage = text(response, "job-printer-state-message");
  }
  ippDelete(response);
  addPrinterState(look);
  return look;
}

int CupsQueue::submit(const QByteArray& pdf, const QString& title) {
  http_t* http = connection();
  if (!http) return 0;
  cups_dinfo_t* info = cupsCopyDestInfo(http, dest_);
  int job = 0;
  const QByteArray name = title.toUtf8();
  if (info && cupsCreateDestJob(http, dest_, info, &job, name.constData(), 0, nullptr) <=
                  IPP_STATUS_OK_CONFLICTING) {
    const bool sent =
        cupsStartDestDocument(http, dest_, info, job, name.constData(), CUPS_FORMAT_PDF, 0,
                              nullptr, 1) == HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(http, pdf.constData(), static_cast<size_t>(pdf.size())) ==
            HTTP_STATUS_CONTINUE &&
        cupsFinishDestDocument(http, dest_, info) <= IPP_STATUS_OK_CONFLICTING;
    if (!sent) {
      cupsCancelDestJob(http, dest_, job);
      job = 0;
    }
  } else {
    job = 0;
  }
  cupsFreeDestInfo(info);
  return job;
}

}  // namespace zemlox::qt
