#include "toolkit/core/StartupMarks.h"

namespace tk {

namespace {
TStartupListener startupListener = nullptr;
}  // namespace

TStartupListener SetStartupListener(TStartupListener listener) {
  const TStartupListener previous = startupListener;
  startupListener = listener;
  return previous;
}

void StartupMark(const char* mark) {
  if (startupListener) startupListener(mark);
}

}  // namespace tk
