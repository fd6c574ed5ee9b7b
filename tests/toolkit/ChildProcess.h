#pragma once
// A program started from a test or a probe with its standard output on a
// pipe that the starter reads (standard input and error are the starter's
// own). The process and pipe handles close with the object; the process
// itself is left running unless Terminate is called.

#include <windows.h>

#include <string>

namespace testing_support {

class ChildProcess {
public:
  explicit ChildProcess(std::wstring commandLine);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  HANDLE Process() const { return process_; }
  // The read end of the child's standard output; it reports the end once
  // the child and every process that inherited the pipe have ended.
  HANDLE Output() const { return output_; }

  // True when the child ended within the time.
  bool Wait(DWORD milliseconds) const;
  DWORD ExitCode() const;
  void Terminate() const;

private:
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  HANDLE output_ = nullptr;
};

}  // namespace testing_support
