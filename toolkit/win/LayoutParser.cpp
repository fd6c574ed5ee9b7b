#include "toolkit/win/LayoutParser.h"

#include "toolkit/win/LayoutScanner.h"

namespace tk {

namespace {

// The structure of a layout: objects with properties and child objects,
// and values that nest (lists, sets, collections of items).
class Parser {
public:
  explicit Parser(std::string_view text) : in_(text) {}

  LayoutObject ParseDocument();

private:
  void CheckDepth(int depth) const;
  LayoutObject ParseObject(int depth);
  LayoutProperty ParseProperty(int depth);
  LayoutValue ParseValue(int depth);
  void ParseList(LayoutValue& value, int depth);
  void ParseSet(LayoutValue& value);
  void ParseCollection(LayoutValue& value, int depth);
  LayoutItem ParseItem(int depth);

  TLayoutScanner in_;
};

LayoutObject Parser::ParseDocument() {
  in_.SkipBlanks();
  in_.SkipByteOrderMark();
  in_.SkipBlanks();
  LayoutObject root = ParseObject(0);
  in_.SkipBlanks();
  if (!in_.AtEnd()) in_.Fail("unexpected text after the last 'end'");
  return root;
}

void Parser::CheckDepth(int depth) const {
  if (depth > kMaxLayoutDepth) in_.Fail("the layout is nested too deeply");
}

LayoutObject Parser::ParseObject(int depth) {
  CheckDepth(depth);
  in_.SkipBlanks();
  LayoutObject object;
  object.line = in_.Line();
  object.column = in_.Column();
  if (!in_.PeekWord("object")) in_.Fail("expected 'object'");
  in_.Advance(6);
  std::string first = in_.ReadIdent("the component's name and class");
  in_.SkipBlanks();
  if (in_.Peek() == ':') {
    in_.Advance();
    object.name = std::move(first);
    object.className = in_.ReadIdent("a class name after ':'");
  } else {
    object.className = std::move(first);
  }
  for (;;) {
    in_.SkipBlanks();
    if (in_.AtEnd())
      TLayoutScanner::FailAt("'object " + object.className + "' has no matching 'end'", object.line, object.column);
    if (in_.PeekWord("end")) {
      in_.Advance(3);
      return object;
    }
    if (in_.PeekWord("object")) {
      object.children.push_back(ParseObject(depth + 1));
      continue;
    }
    object.properties.push_back(ParseProperty(depth));
  }
}

LayoutProperty Parser::ParseProperty(int depth) {
  LayoutProperty property;
  in_.SkipBlanks();
  property.line = in_.Line();
  property.column = in_.Column();
  property.name = in_.ReadIdent("a property name, 'object' or 'end'");
  while (in_.Peek() == '.') {
    in_.Advance();
    if (!IsIdentStart(in_.Peek())) in_.Fail("expected a property name after '.'");
    property.name += '.';
    property.name += in_.ReadIdent("a property name after '.'");
  }
  in_.Expect('=', "'=' after the property name");
  property.value = ParseValue(depth + 1);
  return property;
}

LayoutValue Parser::ParseValue(int depth) {
  CheckDepth(depth);
  in_.SkipBlanks();
  LayoutValue value;
  value.line = in_.Line();
  value.column = in_.Column();
  const char c = in_.Peek();
  if (c == '\'' || c == '#') {
    value.kind = LayoutValue::Kind::String;
    value.text = in_.ReadString();
  } else if (c == '[') {
    value.kind = LayoutValue::Kind::Set;
    ParseSet(value);
  } else if (c == '{') {
    value.kind = LayoutValue::Kind::Binary;
    in_.ReadBinary(value);
  } else if (c == '(') {
    value.kind = LayoutValue::Kind::List;
    ParseList(value, depth);
  } else if (c == '<') {
    value.kind = LayoutValue::Kind::Collection;
    ParseCollection(value, depth);
  } else if (c == '$' || c == '-' || c == '+' || IsDigit(c)) {
    in_.ReadNumber(value);
  } else if (IsIdentStart(c)) {
    value.kind = LayoutValue::Kind::Identifier;
    value.text = in_.ReadIdent("a value");
  } else if (in_.AtEnd()) {
    in_.Fail("expected a value, found the end of the text");
  } else {
    in_.Fail(std::string("expected a value, found '") + c + "'");
  }
  return value;
}

void Parser::ParseList(LayoutValue& value, int depth) {
  in_.Advance();
  for (;;) {
    in_.SkipBlanks();
    if (in_.AtEnd()) TLayoutScanner::FailAt("the list has no closing ')'", value.line, value.column);
    if (in_.Peek() == ')') {
      in_.Advance();
      return;
    }
    value.items.push_back(ParseValue(depth + 1));
  }
}

void Parser::ParseSet(LayoutValue& value) {
  in_.Advance();
  in_.SkipBlanks();
  if (in_.Peek() == ']') {
    in_.Advance();
    return;
  }
  for (;;) {
    value.names.push_back(in_.ReadIdent("a set member"));
    in_.SkipBlanks();
    if (in_.Peek() == ',') {
      in_.Advance();
      continue;
    }
    in_.Expect(']', "',' or ']' in the set");
    return;
  }
}

void Parser::ParseCollection(LayoutValue& value, int depth) {
  in_.Advance();
  for (;;) {
    in_.SkipBlanks();
    if (in_.AtEnd()) TLayoutScanner::FailAt("the collection has no closing '>'", value.line, value.column);
    if (in_.Peek() == '>') {
      in_.Advance();
      return;
    }
    if (!in_.PeekWord("item")) in_.Fail("expected 'item' or '>' in the collection");
    value.collection.push_back(ParseItem(depth));
  }
}

LayoutItem Parser::ParseItem(int depth) {
  LayoutItem item;
  item.line = in_.Line();
  in_.Advance(4);
  for (;;) {
    in_.SkipBlanks();
    if (in_.AtEnd()) TLayoutScanner::FailAt("the collection item has no matching 'end'", item.line, 1);
    if (in_.PeekWord("end")) {
      in_.Advance(3);
      return item;
    }
    item.properties.push_back(ParseProperty(depth + 1));
  }
}

}  // namespace

LayoutObject ParseLayout(std::string_view text) { return Parser(text).ParseDocument(); }

}  // namespace tk
