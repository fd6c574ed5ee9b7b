#include "toolkit/win/ShortCut.h"

#include <array>
#include <utility>

#include "toolkit/core/TextCase.h"

namespace tk {

namespace {

constexpr std::array<std::pair<const char*, WORD>, 17> kKeyNames{{
    {"BkSp", VK_BACK},   {"Tab", VK_TAB},       {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},
    {"Space", VK_SPACE}, {"PgUp", VK_PRIOR},    {"PgDn", VK_NEXT},    {"End", VK_END},
    {"Home", VK_HOME},   {"Left", VK_LEFT},     {"Up", VK_UP},        {"Right", VK_RIGHT},
    {"Down", VK_DOWN},   {"Ins", VK_INSERT},    {"Del", VK_DELETE},   {"Backspace", VK_BACK},
    {"Escape", VK_ESCAPE},
}};

WORD KeyFromName(std::string_view name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return static_cast<WORD>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<WORD>(c);
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    int n = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
      if (name[i] < '0' || name[i] > '9') {
        n = -1;
        break;
      }
      n = n * 10 + (name[i] - '0');
    }
    if (n >= 1 && n <= 24) return static_cast<WORD>(VK_F1 + n - 1);
  }
  for (const auto& [text, key] : kKeyNames)
    if (SameText(text, name)) return key;
  return 0;
}

std::string KeyName(WORD key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  for (const auto& [text, value] : kKeyNames)
    if (value == key) return text;
  return {};
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() <= prefix.size() || !SameText(text.substr(0, prefix.size()), prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

TShortCut TextToShortCut(std::string_view text) {
  text = Trim(text);
  TShortCut modifiers = 0;
  for (;;) {
    if (TakePrefix(text, "Shift+")) modifiers |= scShift;
    else if (TakePrefix(text, "Ctrl+")) modifiers |= scCtrl;
    else if (TakePrefix(text, "Alt+")) modifiers |= scAlt;
    else break;
  }
  const WORD key = KeyFromName(text);
  return key ? static_cast<TShortCut>(key | modifiers) : scNone;
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyName(static_cast<WORD>(shortCut & 0xFF));
  if (name.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

}  // namespace tk
