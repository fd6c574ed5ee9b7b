// The platform services of FileIO.h on Windows: UTF-8 names become UTF-16
// for the wide file functions, Ctrl+C comes through the console control
// handler, and the finished output replaces its target with MoveFileExW.
#include "cli/FileIO.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace gkconv {

namespace {
std::atomic<bool> gInterrupted{false};

BOOL WINAPI OnConsoleControl(DWORD type) {
  if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT || type == CTRL_CLOSE_EVENT) {
    gInterrupted.store(true);
    return TRUE;
  }
  return FALSE;
}

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string out;
  if (text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    out.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    LocalFree(text);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ')) out.pop_back();
  return out.empty() ? "error " + std::to_string(code) : out;
}
}  // namespace

std::FILE* OpenForReading(const std::string& path, std::string& error) {
  std::FILE* f = _wfopen(Wide(path).c_str(), L"rb");
  if (!f) error = std::strerror(errno);
  return f;
}

std::optional<std::uint64_t> RegularFileSize(std::FILE* file) {
  struct _stat64 st;
  if (_fstat64(_fileno(file), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

void SetBinaryMode(std::FILE* file) { _setmode(_fileno(file), _O_BINARY); }

bool IsTerminal(std::FILE* file) { return _isatty(_fileno(file)) != 0; }

void InstallInterruptHandler() { SetConsoleCtrlHandler(OnConsoleControl, TRUE); }

bool Interrupted() { return gInterrupted.load(std::memory_order_relaxed); }

size_t ReadInput(std::FILE* file, char* buffer, size_t size, std::string& error) {
  if (Interrupted()) return 0;
  const size_t n = std::fread(buffer, 1, size, file);
  if (n == 0 && std::ferror(file) && !Interrupted()) error = std::strerror(errno);
  return n;
}

unsigned long ProcessId() { return GetCurrentProcessId(); }

std::FILE* CreateNewFile(const std::string& path, const std::string&, bool& exists) {
  const int fd = _wopen(Wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  exists = fd < 0 && errno == EEXIST;
  if (fd < 0) return nullptr;
  std::FILE* f = _fdopen(fd, "wb");
  if (!f) {
    const int saved = errno;
    _close(fd);
    _wremove(Wide(path).c_str());
    errno = saved;
  }
  return f;
}

bool SyncFile(std::FILE* file) { return _commit(_fileno(file)) == 0; }

void RemoveFile(const std::string& path) { _wremove(Wide(path).c_str()); }

bool RenameOver(const std::string& from, const std::string& to, std::string& reason) {
  if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  reason = SystemMessage(GetLastError());
  return false;
}

}  // namespace gkconv
