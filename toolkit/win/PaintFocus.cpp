#include "toolkit/win/PaintFocus.h"

namespace tk {

namespace {

struct FocusMemo {
  int depth = 0;
  bool known = false;
  HWND focus = nullptr;
};

thread_local FocusMemo memo;

}  // namespace

TPaintFocusScope::TPaintFocusScope() { ++memo.depth; }

TPaintFocusScope::~TPaintFocusScope() {
  if (--memo.depth == 0) memo.known = false;
}

HWND FocusedWindow() {
  if (memo.depth == 0) return GetFocus();
  if (!memo.known) {
    memo.focus = GetFocus();
    memo.known = true;
  }
  return memo.focus;
}

void FocusMayHaveMoved() { memo.known = false; }

}  // namespace tk
