#include "sSkinWarning.h"

namespace skin {

namespace {
TsSkinWarningHandler& Handler() {
  static TsSkinWarningHandler handler;
  return handler;
}
}  // namespace

TsSkinWarningHandler SetSkinWarningHandler(TsSkinWarningHandler handler) {
  TsSkinWarningHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

void ShowSkinWarning(const std::string& text) {
  if (Handler()) Handler()(text);
  else ShowPlatformSkinWarning(text);
}

}  // namespace skin
