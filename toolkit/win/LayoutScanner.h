#pragma once
// The character level of the layout text: where the reader is (line and
// column for error messages), blanks and comments, words, punctuation, and
// the literal values - strings, numbers and binary data. The structure built
// from them (objects, properties, lists, sets, collections) is the parser's
// business (LayoutParser.cpp).

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/win/LayoutTree.h"

namespace tk {

bool IsIdentStart(char c);
bool IsIdentChar(char c);
bool IsDigit(char c);

class TLayoutScanner {
public:
  explicit TLayoutScanner(std::string_view text) : text_(text) {}

  [[noreturn]] void Fail(const std::string& message) const;
  [[noreturn]] static void FailAt(const std::string& message, int line, int column);

  int Line() const { return line_; }
  int Column() const { return static_cast<int>(pos_ - lineStart_) + 1; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  void Advance(std::size_t count = 1);
  void SkipBlanks();
  // Skips a byte-order mark at the very start.
  void SkipByteOrderMark();

  // An identifier (what names what is expected in the error message).
  std::string ReadIdent(const char* what);
  // The word (any case) stands next, as a whole word.
  bool PeekWord(std::string_view word);
  void Expect(char c, const char* what);

  // Literals, the reader on their first character.
  std::string ReadString();
  void ReadNumber(LayoutValue& value);
  void ReadBinary(LayoutValue& value);

private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t lineStart_ = 0;
  int line_ = 1;
};

}  // namespace tk
