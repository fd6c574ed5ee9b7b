#include "sHintSuppression.h"

#include "toolkit/win/Application.h"

namespace skin {

namespace {

bool suppressed = false;
bool savedShowHint = true;

}  // namespace

void SuppressHints() {
  if (suppressed) return;
  savedShowHint = tk::Application().ShowHint();
  tk::Application().SetShowHint(false);
  suppressed = true;
}

void RestoreHints() {
  if (!suppressed) return;
  suppressed = false;
  tk::Application().SetShowHint(savedShowHint);
}

bool HintsSuppressed() { return suppressed; }

}  // namespace skin
