// The platform-independent part of the atomic output file; the platform
// files supply creating, syncing, removing and replacing files.
#include "cli/FileIO.h"

#include <cerrno>
#include <cstring>

namespace gkconv {

TAtomicOutput::~TAtomicOutput() { Abort(); }

bool TAtomicOutput::Open(const std::string& path, std::string& error) {
  if (path.empty()) {
    FToStdout = true;
    FFile = stdout;
    return true;
  }
  FTarget = path;
  for (int attempt = 0; attempt < 100; ++attempt) {
    FTemporary = path + ".gkconv-" + std::to_string(ProcessId()) + "-" + std::to_string(attempt) + ".tmp";
    bool exists = false;
    FFile = CreateNewFile(FTemporary, path, exists);
    if (FFile) {
      std::setvbuf(FFile, nullptr, _IOFBF, 1 << 20);
      return true;
    }
    if (!exists) {
      error = "cannot create '" + FTemporary + "': " + std::strerror(errno);
      FTemporary.clear();
      return false;
    }
  }
  FTemporary.clear();
  error = "cannot create a temporary file beside '" + path + "'";
  return false;
}

bool TAtomicOutput::Fail(const std::string& what) {
  if (FError.empty()) FError = what + ": " + std::strerror(errno);
  return false;
}

bool TAtomicOutput::Write(std::string_view data) {
  if (!FFile) return false;
  if (std::fwrite(data.data(), 1, data.size(), FFile) != data.size())
    return Fail(FToStdout ? std::string("writing standard output") : "writing '" + FTemporary + "'");
  return true;
}

bool TAtomicOutput::Commit() {
  if (!FFile) return false;
  if (FToStdout) {
    FFile = nullptr;
    if (std::fflush(stdout) != 0) return Fail("writing standard output");
    return true;
  }
  std::FILE* f = FFile;
  FFile = nullptr;
  // Flushed and on the disk before the rename, so the name never points at
  // a file whose data a crash could still lose.
  bool ok = std::fflush(f) == 0 && SyncFile(f);
  if (!ok) Fail("writing '" + FTemporary + "'");
  if (std::fclose(f) != 0 && ok) ok = Fail("writing '" + FTemporary + "'");
  std::string reason;
  if (ok && !RenameOver(FTemporary, FTarget, reason)) {
    if (FError.empty()) FError = "renaming '" + FTemporary + "' to '" + FTarget + "': " + reason;
    ok = false;
  }
  if (!ok) RemoveFile(FTemporary);
  FTemporary.clear();
  return ok;
}

void TAtomicOutput::Abort() {
  if (FToStdout) {
    FFile = nullptr;
    return;
  }
  if (FFile) {
    std::fclose(FFile);
    FFile = nullptr;
  }
  if (!FTemporary.empty()) {
    RemoveFile(FTemporary);
    FTemporary.clear();
  }
}

}  // namespace gkconv
