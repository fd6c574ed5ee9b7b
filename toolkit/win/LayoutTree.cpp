#include "toolkit/win/LayoutTree.h"

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

}  // namespace tk
