#pragma once
// Failures that must not interrupt the user. An exception thrown while a
// window paints, inside a window-procedure hook or in the handler of a window
// the toolkit did not create is not shown: a message box opened from there
// would paint again, and with skinning on would itself be adopted by the
// hooks that just failed. The failure is recorded instead - each distinct
// one once, repeats only counted - and the window falls back to its plain
// behaviour (see WndProcChain.h, WindowSubclass.h, WinControl.h).

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/CallbackSlot.h"

namespace tk {

struct TRecordedError {
  const void* Source = nullptr;  // the hook, control or window that failed
  std::string Where;             // what it was doing
  std::string What;              // the exception's text
  int Count = 0;                 // how often it happened
};

class TErrorRecord {
public:
  // Records the exception being handled (call from a catch block only);
  // true when it is new.
  bool RecordCurrent(const void* source, std::string_view where);
  bool Record(const void* source, std::string_view where, std::string_view what);
  const std::vector<TRecordedError>& Errors() const { return errors_; }
  void Clear() { errors_.clear(); }

private:
  std::vector<TRecordedError> errors_;
};

TErrorRecord& RecordedErrors();

// Messages during which a window paints or answers for painting: a failure
// there is recorded, never shown.
bool IsPaintMessage(unsigned msg);

// Any other exception that reaches a window procedure goes to the handler
// the application registers (it shows the error); with none registered it
// is recorded. Call from a catch block: the handler may rethrow to look at it.
TCallbackSlot<void(const void* source)>& WindowExceptionHandler();
void ReportWindowException(const void* source);

}  // namespace tk
