#include "toolkit/win/LayoutParser.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tk {

ELayoutError::ELayoutError(const std::string& message, int line, int column)
    : std::runtime_error(line > 0 ? "Layout line " + std::to_string(line) + ", column " + std::to_string(column) +
                                        ": " + message
                                  : message),
      line_(line),
      column_(column) {}

const char* DescribeKind(LayoutValue::Kind kind) {
  switch (kind) {
    case LayoutValue::Kind::Integer: return "an integer";
    case LayoutValue::Kind::Float: return "a number";
    case LayoutValue::Kind::String: return "a string";
    case LayoutValue::Kind::Identifier: return "an identifier";
    case LayoutValue::Kind::Set: return "a set";
    case LayoutValue::Kind::Binary: return "binary data";
    case LayoutValue::Kind::List: return "a list";
    case LayoutValue::Kind::Collection: return "a collection";
  }
  return "a value";
}

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

class Parser {
public:
  explicit Parser(std::string_view text) : text_(text) {}

  LayoutObject ParseDocument() {
    SkipBlanks();
    // A byte-order mark is tolerated at the very start.
    if (text_.substr(pos_, 3) == "\xEF\xBB\xBF") Advance(3);
    SkipBlanks();
    LayoutObject root = ParseObject(0);
    SkipBlanks();
    if (!AtEnd()) Fail("unexpected text after the last 'end'");
    return root;
  }

private:
  [[noreturn]] void Fail(const std::string& message) const { throw ELayoutError(message, line_, Column()); }
  [[noreturn]] void FailAt(const std::string& message, int line, int column) const {
    throw ELayoutError(message, line, column);
  }

  int Column() const { return static_cast<int>(pos_ - lineStart_) + 1; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

  void Advance(std::size_t count = 1) {
    for (std::size_t i = 0; i < count && pos_ < text_.size(); ++i) {
      if (text_[pos_] == '\n') {
        ++line_;
        lineStart_ = pos_ + 1;
      }
      ++pos_;
    }
  }

  void SkipBlanks() {
    while (!AtEnd()) {
      const char c = Peek();
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        Advance();
      } else if (c == '/' && Peek(1) == '/') {
        while (!AtEnd() && Peek() != '\n') Advance();
      } else {
        break;
      }
    }
  }

  std::string ReadIdent(const char* what) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Fail(std::string("expected ") + what);
    const std::size_t start = pos_;
    while (!AtEnd() && IsIdentChar(Peek())) Advance();
    return std::string(text_.substr(start, pos_ - start));
  }

  bool PeekWord(std::string_view word) {
    SkipBlanks();
    if (text_.size() - pos_ < word.size()) return false;
    if (!SameWord(text_.substr(pos_, word.size()), word)) return false;
    return !IsIdentChar(Peek(word.size()));
  }

  void Expect(char c, const char* what) {
    SkipBlanks();
    if (Peek() != c) Fail(std::string("expected ") + what);
    Advance();
  }

  void CheckDepth(int depth) const {
    if (depth > kMaxLayoutDepth) Fail("the layout is nested too deeply");
  }

  LayoutObject ParseObject(int depth) {
    CheckDepth(depth);
    SkipBlanks();
    LayoutObject object;
    object.line = line_;
    object.column = Column();
    if (!PeekWord("object")) Fail("expected 'object'");
    Advance(6);
    std::string first = ReadIdent("the component's name and class");
    SkipBlanks();
    if (Peek() == ':') {
      Advance();
      object.name = std::move(first);
      object.className = ReadIdent("a class name after ':'");
    } else {
      object.className = std::move(first);
    }
    for (;;) {
      SkipBlanks();
      if (AtEnd()) FailAt("'object " + object.className + "' has no matching 'end'", object.line, object.column);
      if (PeekWord("end")) {
        Advance(3);
        return object;
      }
      if (PeekWord("object")) {
        object.children.push_back(ParseObject(depth + 1));
        continue;
      }
      object.properties.push_back(ParseProperty(depth));
    }
  }

  LayoutProperty ParseProperty(int depth) {
    LayoutProperty property;
    SkipBlanks();
    property.line = line_;
    property.column = Column();
    property.name = ReadIdent("a property name, 'object' or 'end'");
    while (Peek() == '.') {
      Advance();
      if (!IsIdentStart(Peek())) Fail("expected a property name after '.'");
      property.name += '.';
      property.name += ReadIdent("a property name after '.'");
    }
    Expect('=', "'=' after the property name");
    property.value = ParseValue(depth + 1);
    return property;
  }

  LayoutValue ParseValue(int depth) {
    CheckDepth(depth);
    SkipBlanks();
    LayoutValue value;
    value.line = line_;
    value.column = Column();
    const char c = Peek();
    if (c == '\'' || c == '#') {
      value.kind = LayoutValue::Kind::String;
      value.text = ParseString();
    } else if (c == '[') {
      value.kind = LayoutValue::Kind::Set;
      ParseSet(value);
    } else if (c == '{') {
      value.kind = LayoutValue::Kind::Binary;
      ParseBinary(value);
    } else if (c == '(') {
      value.kind = LayoutValue::Kind::List;
      Advance();
      for (;;) {
        SkipBlanks();
        if (AtEnd()) FailAt("the list has no closing ')'", value.line, value.column);
        if (Peek() == ')') {
          Advance();
          break;
        }
        value.items.push_back(ParseValue(depth + 1));
      }
    } else if (c == '<') {
      value.kind = LayoutValue::Kind::Collection;
      ParseCollection(value, depth);
    } else if (c == '$' || c == '-' || c == '+' || IsDigit(c)) {
      ParseNumber(value);
    } else if (IsIdentStart(c)) {
      value.kind = LayoutValue::Kind::Identifier;
      value.text = ReadIdent("a value");
    } else if (AtEnd()) {
      Fail("expected a value, found the end of the text");
    } else {
      Fail(std::string("expected a value, found '") + c + "'");
    }
    return value;
  }

  // 'abc''d'#65'x' + 'y': pieces written without a gap between them, or
  // joined by '+' (across lines too). Pieces with only blanks between them
  // are separate values (list items).
  std::string ParseString() {
    std::string result;
    for (;;) {
      if (Peek() == '\'') {
        const int line = line_, column = Column();
        Advance();
        for (;;) {
          if (AtEnd() || Peek() == '\n' || Peek() == '\r') FailAt("the string has no closing quote", line, column);
          if (Peek() == '\'') {
            if (Peek(1) == '\'') {
              result += '\'';
              Advance(2);
              continue;
            }
            Advance();
            break;
          }
          result += Peek();
          Advance();
        }
      } else if (Peek() == '#') {
        Advance();
        if (!IsDigit(Peek())) Fail("expected a character code after '#'");
        std::uint32_t code = 0;
        while (IsDigit(Peek())) {
          code = code * 10 + static_cast<std::uint32_t>(Peek() - '0');
          if (code > 0x10FFFF) Fail("the character code is beyond Unicode");
          Advance();
        }
        if (code >= 0xD800 && code <= 0xDFFF) Fail("the character code is a lone surrogate");
        AppendUtf8(result, code);
      } else {
        // A '+' after blanks joins the next piece.
        const std::size_t save = pos_, saveLineStart = lineStart_;
        const int saveLine = line_;
        SkipBlanks();
        if (Peek() != '+') {
          pos_ = save;
          lineStart_ = saveLineStart;
          line_ = saveLine;
          return result;
        }
        Advance();
        SkipBlanks();
        if (Peek() != '\'' && Peek() != '#') Fail("expected a string after '+'");
      }
    }
  }

  void ParseSet(LayoutValue& value) {
    Advance();
    SkipBlanks();
    if (Peek() == ']') {
      Advance();
      return;
    }
    for (;;) {
      value.names.push_back(ReadIdent("a set member"));
      SkipBlanks();
      if (Peek() == ',') {
        Advance();
        continue;
      }
      Expect(']', "',' or ']' in the set");
      return;
    }
  }

  void ParseBinary(LayoutValue& value) {
    const int line = line_, column = Column();
    Advance();
    // Stored binary data can be tens of kilobytes: one pass, no copies.
    const std::size_t end = text_.find('}', pos_);
    if (end == std::string_view::npos) FailAt("the binary data has no closing '}'", line, column);
    value.bytes.reserve((end - pos_) / 2);
    int high = -1;
    while (pos_ < end) {
      const char c = text_[pos_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        Advance();
        continue;
      }
      const int digit = HexValue(c);
      if (digit < 0) Fail(std::string("'") + c + "' is not a hexadecimal digit");
      if (high < 0) {
        high = digit;
      } else {
        value.bytes.push_back(static_cast<std::uint8_t>(high << 4 | digit));
        high = -1;
      }
      ++pos_;
    }
    if (high >= 0) Fail("the binary data has an odd number of hexadecimal digits");
    Advance();  // '}'
  }

  void ParseCollection(LayoutValue& value, int depth) {
    Advance();
    for (;;) {
      SkipBlanks();
      if (AtEnd()) FailAt("the collection has no closing '>'", value.line, value.column);
      if (Peek() == '>') {
        Advance();
        return;
      }
      if (!PeekWord("item")) Fail("expected 'item' or '>' in the collection");
      LayoutItem item;
      item.line = line_;
      Advance(4);
      for (;;) {
        SkipBlanks();
        if (AtEnd()) FailAt("the collection item has no matching 'end'", item.line, 1);
        if (PeekWord("end")) {
          Advance(3);
          break;
        }
        item.properties.push_back(ParseProperty(depth + 1));
      }
      value.collection.push_back(std::move(item));
    }
  }

  void ParseNumber(LayoutValue& value) {
    bool negative = false;
    if (Peek() == '-' || Peek() == '+') {
      negative = Peek() == '-';
      Advance();
      SkipBlanks();
    }
    if (Peek() == '$') {
      Advance();
      if (HexValue(Peek()) < 0) Fail("expected hexadecimal digits after '$'");
      std::uint64_t n = 0;
      while (HexValue(Peek()) >= 0) {
        if (n >> 60) Fail("the number is too large");
        n = n << 4 | static_cast<std::uint64_t>(HexValue(Peek()));
        Advance();
      }
      if (IsIdentChar(Peek())) Fail("unexpected character in the number");
      value.kind = LayoutValue::Kind::Integer;
      // $FFFFFFFF-style values are 32-bit patterns (colours, flags).
      value.integer = n <= 0xFFFFFFFFu ? static_cast<std::int64_t>(static_cast<std::int32_t>(n)) : static_cast<std::int64_t>(n);
      if (negative) value.integer = -value.integer;
      return;
    }
    if (!IsDigit(Peek())) Fail("expected digits");
    const std::size_t start = pos_;
    bool isFloat = false;
    while (IsDigit(Peek())) Advance();
    if (Peek() == '.' && IsDigit(Peek(1))) {
      isFloat = true;
      Advance();
      while (IsDigit(Peek())) Advance();
    }
    if (Peek() == 'e' || Peek() == 'E') {
      isFloat = true;
      Advance();
      if (Peek() == '+' || Peek() == '-') Advance();
      if (!IsDigit(Peek())) Fail("expected digits in the exponent");
      while (IsDigit(Peek())) Advance();
    }
    if (IsIdentChar(Peek())) Fail("unexpected character in the number");
    const std::string digits(text_.substr(start, pos_ - start));
    if (isFloat) {
      value.kind = LayoutValue::Kind::Float;
      value.number = std::strtod(digits.c_str(), nullptr);
      if (!std::isfinite(value.number)) Fail("the number is out of range");
      if (negative) value.number = -value.number;
      return;
    }
    value.kind = LayoutValue::Kind::Integer;
    std::uint64_t n = 0;
    for (char d : digits) {
      if (n > (std::numeric_limits<std::uint64_t>::max() - 9) / 10) Fail("the number is too large");
      n = n * 10 + static_cast<std::uint64_t>(d - '0');
    }
    if (n > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) Fail("the number is too large");
    value.integer = negative ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t lineStart_ = 0;
  int line_ = 1;
};

}  // namespace

LayoutObject ParseLayout(std::string_view text) { return Parser(text).ParseDocument(); }

}  // namespace tk
