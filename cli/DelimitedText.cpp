#include "cli/DelimitedText.h"

#include <algorithm>

namespace gkconv {

namespace {
char DelimiterChar(TDelimiter d) {
  switch (d) {
    case TDelimiter::Comma: return ',';
    case TDelimiter::Tab: return '\t';
    case TDelimiter::Semicolon: return ';';
    case TDelimiter::Whitespace: return ' ';
  }
  return ',';
}
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::optional<TDelimiter> DelimiterFromName(std::string_view name) {
  if (name == "comma" || name == ",") return TDelimiter::Comma;
  if (name == "tab" || name == "\t" || name == "\\t") return TDelimiter::Tab;
  if (name == "semicolon" || name == ";") return TDelimiter::Semicolon;
  if (name == "space" || name == "whitespace" || name == " ") return TDelimiter::Whitespace;
  return std::nullopt;
}

std::string_view DelimiterName(TDelimiter delimiter) {
  switch (delimiter) {
    case TDelimiter::Comma: return "comma";
    case TDelimiter::Tab: return "tab";
    case TDelimiter::Semicolon: return "semicolon";
    case TDelimiter::Whitespace: return "whitespace";
  }
  return "?";
}

TDelimiter DetectDelimiter(const std::vector<std::string_view>& lines) {
  bool any = false, allTab = true, allComma = true, allSemicolon = true;
  for (std::string_view line : lines) {
    if (std::all_of(line.begin(), line.end(), [](char c) { return IsBlank(c) || c == '\r'; })) continue;
    any = true;
    allTab &= line.find('\t') != std::string_view::npos;
    allComma &= line.find(',') != std::string_view::npos;
    allSemicolon &= line.find(';') != std::string_view::npos;
  }
  if (!any) return TDelimiter::Comma;
  if (allTab) return TDelimiter::Tab;
  // Semicolons before commas: semicolon files use the comma as decimal mark.
  if (allSemicolon) return TDelimiter::Semicolon;
  if (allComma) return TDelimiter::Comma;
  return TDelimiter::Whitespace;
}

bool TFieldSplitter::Split(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  FUsed = 0;
  if (FDelimiter == TDelimiter::Whitespace) {
    size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && IsBlank(line[i])) ++i;
      if (i == line.size()) break;
      const size_t start = i;
      while (i < line.size() && !IsBlank(line[i])) ++i;
      fields.push_back(line.substr(start, i - start));
    }
    return true;
  }
  const char d = DelimiterChar(FDelimiter);
  size_t i = 0;
  for (;;) {
    // A field is quoted when its first non-blank character is a quote.
    size_t j = i;
    while (j < line.size() && line[j] == ' ') ++j;
    if (j < line.size() && line[j] == '"') {
      if (FUsed == FStorage.size()) FStorage.emplace_back();
      std::string& text = FStorage[FUsed++];
      text.clear();
      size_t k = j + 1;
      for (;;) {
        if (k >= line.size()) return false;  // unterminated quote
        if (line[k] == '"') {
          if (k + 1 < line.size() && line[k + 1] == '"') {
            text += '"';
            k += 2;
            continue;
          }
          ++k;
          break;
        }
        text += line[k++];
      }
      // Text after the closing quote up to the delimiter is kept as written.
      const size_t next = line.find(d, k);
      const std::string_view tail = line.substr(k, next == std::string_view::npos ? std::string_view::npos : next - k);
      text.append(tail);
      fields.push_back(text);
      if (next == std::string_view::npos) break;
      i = next + 1;
    } else {
      const size_t next = line.find(d, i);
      if (next == std::string_view::npos) {
        fields.push_back(line.substr(i));
        break;
      }
      fields.push_back(line.substr(i, next - i));
      i = next + 1;
    }
  }
  return true;
}

void AppendField(std::string& out, std::string_view field, TDelimiter delimiter) {
  if (delimiter == TDelimiter::Whitespace && field.empty()) {
    out += '*';
    return;
  }
  const char d = DelimiterChar(delimiter);
  const bool quote = field.find_first_of(std::string{d, '"', '\n', '\r', delimiter == TDelimiter::Whitespace ? '\t' : d}) !=
                     std::string_view::npos;
  if (!quote) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string_view Separator(TDelimiter delimiter) {
  switch (delimiter) {
    case TDelimiter::Comma: return ",";
    case TDelimiter::Tab: return "\t";
    case TDelimiter::Semicolon: return ";";
    case TDelimiter::Whitespace: return " ";
  }
  return ",";
}

}  // namespace gkconv
