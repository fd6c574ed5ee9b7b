#pragma once
// Running the gkconv program from the native tests: arguments in, exit
// status, standard output and standard error out; files in a scratch folder
// that the test owns.

#include <filesystem>
#include <string>
#include <vector>

struct TGkconvRun {
  int Status = -1;  // exit status, or 128 + signal
  std::string Out, Err;
};

// Runs gkconv with the arguments; `input` goes to its standard input.
TGkconvRun RunGkconv(const std::vector<std::string>& args, const std::string& input = {});

// Starts gkconv without waiting; returns its process id. Its standard input
// is `stdinPath` (a file or a FIFO), its output goes to files in `dir`.
int StartGkconv(const std::vector<std::string>& args, const std::string& stdinPath, const std::filesystem::path& dir);
// Waits for a started gkconv; its output files are read into the result.
TGkconvRun WaitGkconv(int pid, const std::filesystem::path& dir);

// A fresh empty folder under the system's temporary folder, removed with the
// object.
class TScratchDir {
public:
  TScratchDir();
  ~TScratchDir();
  const std::filesystem::path& Path() const { return FPath; }
  std::filesystem::path operator/(const std::string& name) const { return FPath / name; }

private:
  std::filesystem::path FPath;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);
// The names of the files in a folder (to find stray temporary files).
std::vector<std::string> FileNames(const std::filesystem::path& dir);
