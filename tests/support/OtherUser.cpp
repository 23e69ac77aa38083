#include "support/OtherUser.h"

#include <exception>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {
namespace {

void WriteAll(int fd, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += size_t(n);
  }
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(n));
  return text;
}

}  // namespace

std::string InChildBoundByFileModes(const std::function<std::string(const std::function<void()>& pause)>& fn,
                                    const std::function<void()>& meanwhile) {
  int said[2], paused[2], go[2];
  if (pipe(said) != 0 || pipe(paused) != 0 || pipe(go) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(said[0]);
    close(paused[0]);
    close(go[1]);
    std::string text;
    if (getuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
      text = "no user";
    } else {
      try {
        text = fn([&] {
          WriteAll(paused[1], "p");
          char c;
          if (read(go[0], &c, 1) != 1) _exit(1);
        });
      } catch (const std::exception& e) {
        text = std::string("exception: ") + e.what();
      }
    }
    WriteAll(said[1], text);
    _exit(0);
  }
  close(said[1]);
  close(paused[1]);
  close(go[0]);
  // The child pauses (one byte) or ends without pausing (the pipe closes).
  char c;
  if (read(paused[0], &c, 1) == 1) {
    if (meanwhile) meanwhile();
    WriteAll(go[1], "g");
  }
  close(go[1]);
  close(paused[0]);
  const std::string text = ReadAll(said[0]);
  close(said[0]);
  waitpid(child, nullptr, 0);
  return text;
}

}  // namespace testsupport
