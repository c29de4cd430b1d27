// The system's default print queue, spoken to through the print system's own
// interface: hand it a PDF page as a job, and look at that job and at the
// printer later. Every request gives up after a few seconds, so a print
// system that hangs cannot freeze the window for long.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

#include "ui/qt/print_job_state.h"

typedef struct _http_s http_t;
typedef struct cups_dest_s cups_dest_t;

namespace zemlox::qt {

class CupsQueue {
 public:
  // The default queue; empty when there is no print system running or it
  // has no default printer.
  static std::optional<CupsQueue> defaultQueue();

  CupsQueue(CupsQueue&&) noexcept;
  CupsQueue& operator=(CupsQueue&&) noexcept;
  ~CupsQueue();

  const QString& name() const { return name_; }

  // The printer's state alone (no job).
  JobLook lookAtPrinter();
  // Sends the PDF as one job. The job's number, or 0 when the queue refused it.
  int submit(const QByteArray& pdf, const QString& title);
  // The job's state together with its printer's.
  JobLook look(int job);

 private:
  explicit CupsQueue(cups_dest_t* dest);
  http_t* connection();
  void addPrinterState(JobLook& look);

  cups_dest_t* dest_ = nullptr;
  QString name_;
  QByteArray printerUri_;
  http_t* http_ = nullptr;
};

}  // namespace zemlox::qt
