#pragma once
// While an instance lives, the system's print service does not answer: the print library
// of this process is pointed at a socket that nobody serves. The server it used before
// (the test queue's, or the machine's) is used again afterwards.

#include <QFile>
#include <QTemporaryDir>
#include <dlfcn.h>

namespace testsupport {

class StoppedPrintService {
 public:
  StoppedPrintService() { SetServer(QFile::encodeName(dir_.filePath(QStringLiteral("nobody.sock"))).constData()); }
  ~StoppedPrintService() { SetServer(nullptr); }  // nullptr: the server named by the environment
  StoppedPrintService(const StoppedPrintService&) = delete;
  StoppedPrintService& operator=(const StoppedPrintService&) = delete;

  // Whether the print library is there to be pointed elsewhere.
  static bool Available() {
    void* cups = dlopen("libcups.so.2", RTLD_LAZY);
    if (cups) dlclose(cups);
    return cups != nullptr;
  }

 private:
  static void SetServer(const char* server) {
    // Kept loaded: the server chosen lives in the library, for Qt's printing to find.
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NODELETE);
    if (!cups) return;
    using SetServerFn = void (*)(const char*);
    if (auto set = reinterpret_cast<SetServerFn>(dlsym(cups, "cupsSetServer"))) set(server);
    dlclose(cups);
  }
  QTemporaryDir dir_;
};

}  // namespace testsupport
