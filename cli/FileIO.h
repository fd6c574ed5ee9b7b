#pragma once
// The few platform services gkconv needs, behind one portable interface:
// opening files by UTF-8 names, binary standard streams, a terminal test,
// Ctrl+C, and an output file that appears only when it is complete.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace gkconv {

// Opens a file for binary reading by its UTF-8 name; nullptr with `error`
// (the system's reason) when it cannot.
std::FILE* OpenForReading(const std::string& path, std::string& error);
// The size of a regular file, or nothing for a pipe or terminal.
std::optional<std::uint64_t> RegularFileSize(std::FILE* file);
void SetBinaryMode(std::FILE* file);
bool IsTerminal(std::FILE* file);

// Ctrl+C (SIGINT, SIGTERM; the console control handler on Windows) only
// raises a flag that the conversion loop reads, so it can clean up. A broken
// pipe on standard output becomes a write error instead of killing the
// process. Call before starting any thread: on POSIX systems the signals
// stay blocked on every thread and are taken only while ReadInput waits, so
// none can slip in between a test of the flag and a blocking read.
void InstallInterruptHandler();
bool Interrupted();

// Reads what the input has, up to `size` bytes, waiting for at least one:
// returns 0 at its end, on an interrupt (see Interrupted) and on an error
// (then `error` holds the reason). A read blocked on a pipe or terminal
// ends when Ctrl+C comes.
size_t ReadInput(std::FILE* file, char* buffer, size_t size, std::string& error);

// File primitives of the platform, for TAtomicOutput.
unsigned long ProcessId();
// Creates a new file for binary writing (failing when it exists, which sets
// `exists`), with the permissions of `like` when that file exists.
std::FILE* CreateNewFile(const std::string& path, const std::string& like, bool& exists);
bool SyncFile(std::FILE* file);
void RemoveFile(const std::string& path);
// Renames `from` over `to`, replacing it in one step.
bool RenameOver(const std::string& from, const std::string& to, std::string& reason);

// Output that replaces its target only when complete: written to a new
// temporary file beside the target and renamed over it by Commit. Anything
// else (an error, an interrupt, a full disk, the object destroyed without
// Commit) removes the temporary file and leaves the old target untouched.
// With an empty path it writes to standard output instead.
class TAtomicOutput {
public:
  TAtomicOutput() = default;
  ~TAtomicOutput();
  TAtomicOutput(const TAtomicOutput&) = delete;
  TAtomicOutput& operator=(const TAtomicOutput&) = delete;

  bool Open(const std::string& path, std::string& error);
  bool Write(std::string_view data);
  // Flushes, closes and renames; false with the reason in Error().
  bool Commit();
  void Abort();
  const std::string& Error() const { return FError; }
  const std::string& TemporaryPath() const { return FTemporary; }

private:
  bool Fail(const std::string& what);
  std::FILE* FFile = nullptr;
  std::string FTarget;
  std::string FTemporary;
  std::string FError;
  bool FToStdout = false;
};

}  // namespace gkconv
