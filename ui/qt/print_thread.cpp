// One thread for every print-system call, started at the first print and
// stopped before the application goes: the ending flag makes calls under
// way give up within a fraction of a second, so quitting never waits for a
// printer.
#include "ui/qt/print_thread.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace zemlox::qt {

namespace {

struct PrintThread {
  QThread thread;
  QObject* worker = nullptr;  // lives on the print thread; calls are posted to it
  QObject* home = nullptr;    // lives on the window thread; answers are posted to it
};

PrintThread* running = nullptr;
int ending = 0;

void stopPrintThread() {
  if (!running) return;
  ending = 1;
  running->thread.quit();
  running->thread.wait();
  // Calls and answers not yet run go with their objects.
  delete running->worker;
  delete running->home;
  delete running;
  running = nullptr;
}

PrintThread& printThread() {
  if (!running) {
    running = new PrintThread;
    running->home = new QObject;
    running->worker = new QObject;
    running->worker->moveToThread(&running->thread);
    running->thread.setObjectName(QStringLiteral("print"));
    running->thread.start();
    static bool hooked = false;
    if (!hooked) {
      QObject::connect(qApp, &QCoreApplication::aboutToQuit, stopPrintThread);
      qAddPostRoutine(stopPrintThread);
      hooked = true;
    }
  }
  return *running;
}

}  // namespace

int* printSystemCallsEnding() { return &ending; }

void callPrintSystem(QObject* owner, std::function<Answer()> call) {
  PrintThread& t = printThread();
  QObject* home = t.home;
  QMetaObject::invokeMethod(
      t.worker,
      [home, owner = QPointer<QObject>(owner), call = std::move(call)] {
        Answer answer = call();
        QMetaObject::invokeMethod(
            home, [owner, answer = std::move(answer)] {
              if (owner && answer) answer();
            },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

}  // namespace zemlox::qt
