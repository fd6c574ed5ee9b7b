#include "toolkit/win/ErrorRecord.h"

#include <windows.h>

#include <exception>

#include "toolkit/win/Messages.h"

namespace tk {

TErrorRecord& RecordedErrors() {
  static TErrorRecord record;
  return record;
}

bool TErrorRecord::Record(const void* source, std::string_view where, std::string_view what) {
  for (TRecordedError& error : errors_) {
    if (error.Source == source && error.Where == where && error.What == what) {
      ++error.Count;
      return false;
    }
  }
  errors_.push_back(TRecordedError{source, std::string(where), std::string(what), 1});
  return true;
}

bool TErrorRecord::RecordCurrent(const void* source, std::string_view where) {
  try {
    throw;
  } catch (const std::exception& e) {
    return Record(source, where, e.what());
  } catch (...) {
    return Record(source, where, "an unexpected error");
  }
}

TCallbackSlot<void(const void* source)>& WindowExceptionHandler() {
  static TCallbackSlot<void(const void* source)> handler;
  return handler;
}

void ReportWindowException(const void* source) {
  if (!WindowExceptionHandler()) {
    RecordedErrors().RecordCurrent(source, "window procedure");
    return;
  }
  try {
    WindowExceptionHandler()(source);
  } catch (...) {
    RecordedErrors().RecordCurrent(source, "reporting an error");
  }
}

bool IsPaintMessage(unsigned msg) {
  switch (msg) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_PRINT:
    case WM_PRINTCLIENT:
    case WM_SYNCPAINT:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case CN_DRAWITEM:
      return true;
    default:
      break;
  }
  const unsigned original = IsReflected(msg) ? msg - CN_BASE : msg;
  return original >= WM_CTLCOLORMSGBOX && original <= WM_CTLCOLORSTATIC;
}

}  // namespace tk
