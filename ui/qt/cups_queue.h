// The system's default print queue, spoken to through the print system's
// own interface: hand it a PDF page as a job, look at that job and at the
// printer, withdraw the job. Every request gives up when the print system
// has not answered within ten seconds, or at once when the program ends.
// Used on the print thread only (print_thread.h).
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

#include "ui/qt/print_job_state.h"

typedef struct cups_dest_s cups_dest_t;
typedef struct _cups_dinfo_s cups_dinfo_t;

namespace zemlox::qt {

class Contact;

class CupsQueue {
 public:
  enum class Found { Queue, NoPrintSystem, NoDefault, NoAnswer };
  // The default queue; empty when there is no print system running, it has
  // no default printer, or it did not answer (`why` says which).
  static std::optional<CupsQueue> defaultQueue(Found& why);

  CupsQueue(CupsQueue&&) noexcept;
  CupsQueue& operator=(CupsQueue&&) noexcept;
  ~CupsQueue();

  const QString& name() const { return name_; }

  // The printer's state alone (no job).
  JobLook lookAtPrinter();

  struct Submission {
    int job = 0;            // the job's number once the queue created it, even if sending failed
    bool sent = false;      // the whole page reached the queue
    bool answered = true;   // false: the print system stopped answering
    bool accepting = true;  // false: the queue rejects jobs
  };
  Submission submit(const QByteArray& pdf, const QString& title);

  // The job's state together with its printer's.
  JobLook look(int job);
  // Cancels the job; true once the print system answered (a job already
  // finished or unknown to it answers too).
  bool withdraw(int job);

 private:
  CupsQueue(cups_dest_t* dest, std::unique_ptr<Contact> contact);
  void addPrinterState(JobLook& look);
  cups_dinfo_t* info();

  cups_dest_t* dest_ = nullptr;
  cups_dinfo_t* info_ = nullptr;
  QString name_;
  QByteArray printerUri_;
  std::unique_ptr<Contact> contact_;
};

}  // namespace zemlox::qt
