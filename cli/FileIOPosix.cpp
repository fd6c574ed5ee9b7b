// The platform services of FileIO.h on POSIX systems.
#include "cli/FileIO.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace gkconv {

namespace {
std::atomic<bool> gInterrupted{false};

sigset_t gWaitMask;     // the mask before the interrupts were blocked
bool gMasked = false;

void OnInterrupt(int) { gInterrupted.store(true); }
}  // namespace

std::FILE* OpenForReading(const std::string& path, std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) error = std::strerror(errno);
  return f;
}

std::optional<std::uint64_t> RegularFileSize(std::FILE* file) {
  struct stat st;
  if (fstat(fileno(file), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

void SetBinaryMode(std::FILE*) {}

bool IsTerminal(std::FILE* file) { return isatty(fileno(file)) != 0; }

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);
  sigset_t block;
  sigemptyset(&block);
  sigaddset(&block, SIGINT);
  sigaddset(&block, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &block, &gWaitMask);
  gMasked = true;
}

bool Interrupted() { return gInterrupted.load(std::memory_order_relaxed); }

size_t ReadInput(std::FILE* file, char* buffer, size_t size, std::string& error) {
  const int fd = fileno(file);
  for (;;) {
    if (Interrupted()) return 0;
    if (gMasked) {
      // Wait with the signals let through: an interrupt pending since the
      // last wait is taken here and ends the wait.
      struct pollfd p {fd, POLLIN, 0};
      if (ppoll(&p, 1, nullptr, &gWaitMask) < 0) {
        if (errno == EINTR) continue;
        error = std::strerror(errno);
        return 0;
      }
    }
    const ssize_t n = read(fd, buffer, size);
    if (n >= 0) return static_cast<size_t>(n);
    if (errno == EINTR) continue;
    error = std::strerror(errno);
    return 0;
  }
}

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

std::FILE* CreateNewFile(const std::string& path, const std::string& like, bool& exists) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  exists = fd < 0 && errno == EEXIST;
  if (fd < 0) return nullptr;
  struct stat st;
  if (stat(like.c_str(), &st) == 0) fchmod(fd, st.st_mode & 07777);
  std::FILE* f = fdopen(fd, "wb");
  if (!f) {
    const int saved = errno;
    close(fd);
    unlink(path.c_str());
    errno = saved;
  }
  return f;
}

bool SyncFile(std::FILE* file) { return fsync(fileno(file)) == 0; }

void RemoveFile(const std::string& path) { unlink(path.c_str()); }

bool RenameOver(const std::string& from, const std::string& to, std::string& reason) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  reason = std::strerror(errno);
  return false;
}

}  // namespace gkconv
