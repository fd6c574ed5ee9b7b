#pragma once
// The text form of a stored layout, parsed into a tree. Portable: no
// platform headers.
//
//   // comments run to the end of the line
//   object Form1: TForm1
//     Caption = 'Text in UTF-8, '' for a quote' + ' joined' + #26631
//     ClientWidth = 506            integers (also $1F hexadecimal), floats
//     Font.Name = 'MS Sans Serif'  dotted paths reach sub-objects
//     BorderIcons = [biSystemMenu, biMinimize]     sets
//     OnClick = Button1Click       identifiers: enumerations, booleans,
//                                  colours, event handlers, references
//     Glyph.Data = {424D36...}     binary data as hexadecimal digits
//     Lines = ('one' 'two')        lists of values
//     Items = <                    collections
//       item
//         Name = 'first'
//       end>
//     object Button1: TButton      nested components, in stored order
//       ...
//     end
//   end
//
// Malformed text raises ELayoutError with the line and column of the fault.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
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

LayoutObject ParseLayout(std::string_view text);

// A short description of a value's kind for error messages ("a string").
const char* DescribeKind(LayoutValue::Kind kind);

}  // namespace tk
