#pragma once
// The tree a stored layout is parsed into (LayoutParser.h), and the error
// that reports a fault in it with its line and column. Portable: no platform
// headers.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk {

class ELayoutError : public std::runtime_error {
public:
  ELayoutError(const std::string& message, int line, int column);
  int Line() const { return line_; }
  int Column() const { return column_; }

private:
  int line_;
  int column_;
};

struct LayoutProperty;

// One item of a collection value.
struct LayoutItem {
  std::vector<LayoutProperty> properties;
  int line = 0;
};

struct LayoutValue {
  enum class Kind { Integer, Float, String, Identifier, Set, Binary, List, Collection };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  double number = 0;
  std::string text;                     // String (UTF-8) and Identifier
  std::vector<std::string> names;       // Set
  std::vector<std::uint8_t> bytes;      // Binary
  std::vector<LayoutValue> items;       // List
  std::vector<LayoutItem> collection;   // Collection
  int line = 0;
  int column = 0;
};

struct LayoutProperty {
  std::string name;  // possibly dotted: "Font.Name"
  LayoutValue value;
  int line = 0;
  int column = 0;
};

struct LayoutObject {
  std::string name;
  std::string className;
  std::vector<LayoutProperty> properties;
  std::vector<LayoutObject> children;
  int line = 0;
  int column = 0;
};

// Nesting of objects, lists and collections deeper than this is refused.
constexpr int kMaxLayoutDepth = 64;
// A short description of a value's kind for error messages ("a string").
const char* DescribeKind(LayoutValue::Kind kind);

}  // namespace tk
