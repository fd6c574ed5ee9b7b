#include "StringList.h"

#include <algorithm>

#include "TextCase.h"

namespace tk {

int StringList::IndexOf(std::string_view text) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (SameText(items_[i], text)) return static_cast<int>(i);
  return -1;
}

void StringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
}

std::string StringList::Text() const {
  std::string out;
  for (const auto& s : items_) {
    out += s;
    out += "\r\n";
  }
  return out;
}

void StringList::SetText(std::string_view text) {
  items_.clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    items_.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
}

}  // namespace tk
