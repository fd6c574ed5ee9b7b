#pragma once
// Rows of delimited text: CSV (with RFC 4180 quotes inside one line), TSV,
// semicolon-separated and whitespace-separated point lists. The delimiter is
// given or detected from the first lines; fields are views into the line.
// Portable: no platform headers.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gkconv {

enum class TDelimiter { Comma, Tab, Semicolon, Whitespace };

// "comma"/",", "tab"/"\t", "semicolon"/";", "space"/"whitespace"/" ".
std::optional<TDelimiter> DelimiterFromName(std::string_view name);
std::string_view DelimiterName(TDelimiter delimiter);

// The delimiter of the first lines: tab when every line with content has
// one, else semicolon, else comma, else whitespace.
TDelimiter DetectDelimiter(const std::vector<std::string_view>& lines);

// Splits one line (without its line end) into `fields`. Quoted CSV fields
// lose their quotes and doubled quotes become one (the text then lives in
// `storage`). Runs of blanks are one separator in whitespace mode, and
// leading and trailing blanks are ignored there. False for an unterminated
// quote.
class TFieldSplitter {
public:
  explicit TFieldSplitter(TDelimiter delimiter) : FDelimiter(delimiter) {}
  bool Split(std::string_view line, std::vector<std::string_view>& fields);
  TDelimiter Delimiter() const { return FDelimiter; }

private:
  TDelimiter FDelimiter;
  // Unquoted copies of quoted fields; a deque, so the views handed out
  // stay valid while it grows.
  std::deque<std::string> FStorage;
  size_t FUsed = 0;
};

// Appends a field for output in the delimiter's style: quoted when it holds
// the delimiter (a blank in whitespace mode), a quote or a line end, quotes
// inside doubled. In whitespace mode an empty field is written as "*" (as
// cs2cs does), since it would vanish between blanks.
void AppendField(std::string& out, std::string_view field, TDelimiter delimiter);
// The text written between two fields.
std::string_view Separator(TDelimiter delimiter);

}  // namespace gkconv
