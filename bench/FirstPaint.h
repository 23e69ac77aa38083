#pragma once
// The end of a start measured in a process of its own (start_probe, bare_start): once
// the window has painted, the moment (the monotonic clock, in nanoseconds) and the peak
// resident memory so far (in kB, VmHWM) are written on standard output for the benchmark
// that started the process, and the event loop ends. (The peak that the parent's wait
// reports would count the parent's own memory at the launch.)
// A dialog shown on the way ends the process with code 2: nothing may wait for a clerk.

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace bench {

class EndAtFirstPaint : public QObject {
 public:
  explicit EndAtFirstPaint(std::function<bool(QObject*)> isWindow) : isWindow_(std::move(isWindow)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched)) {
      std::fprintf(stderr, "a dialog was shown: %s\n", qPrintable(static_cast<QWidget*>(watched)->windowTitle()));
      std::_Exit(2);
    }
    if (event->type() == QEvent::Paint && !ending_ && isWindow_(watched)) {
      ending_ = true;
      QTimer::singleShot(0, [] {  // once this paint is done
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        long long peakKb = 0;
        if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
          char line[256];
          while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %lld", &peakKb) == 1) break;
          std::fclose(status);
        }
        std::printf("%lld %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, peakKb);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  std::function<bool(QObject*)> isWindow_;
  bool ending_ = false;
};

}  // namespace bench
