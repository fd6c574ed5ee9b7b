#include "ChildProcess.h"

namespace testing_support {

ChildProcess::ChildProcess(std::wstring commandLine) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return;
  // Only the write end goes to the child: with the read end inherited too,
  // the pipe would never report the child's end.
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  const bool started =
      CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    return;
  }
  process_ = process.hProcess;
  thread_ = process.hThread;
  output_ = readEnd;
}

ChildProcess::~ChildProcess() {
  for (HANDLE handle : {process_, thread_, output_})
    if (handle) CloseHandle(handle);
}

bool ChildProcess::Wait(DWORD milliseconds) const {
  return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

void ChildProcess::Terminate() const {
  if (process_) TerminateProcess(process_, 1);
}

}  // namespace testing_support
