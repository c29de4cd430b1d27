// Shared by the start-up probes: prints CLOCK_MONOTONIC nanoseconds at the
// first paint of a top-level window, then quits.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    auto* w = qobject_cast<QWidget*>(o);
    if (!done_ && e->type() == QEvent::Paint && w && w->isWindow()) {
      done_ = true;
      QTimer::singleShot(0, [] {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        std::printf("%lld\n", static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  bool done_ = false;
};
