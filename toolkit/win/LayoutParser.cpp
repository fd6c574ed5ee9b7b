#include "toolkit/win/LayoutParser.h"

#include "toolkit/win/LayoutScanner.h"

namespace tk {

namespace {

// The structure of a layout: objects with properties and child objects,
// and values that nest (lists, sets, collections of items). The position in
// the text is the scanner's; each function reads one construct.
LayoutObject ParseObject(TLayoutScanner& in, int depth);
LayoutProperty ParseProperty(TLayoutScanner& in, int depth);
LayoutValue ParseValue(TLayoutScanner& in, int depth);
void ParseList(TLayoutScanner& in, LayoutValue& value, int depth);
void ParseSet(TLayoutScanner& in, LayoutValue& value);
void ParseCollection(TLayoutScanner& in, LayoutValue& value, int depth);
LayoutItem ParseItem(TLayoutScanner& in, int depth);

LayoutObject ParseDocument(TLayoutScanner& in) {
  in.SkipBlanks();
  in.SkipByteOrderMark();
  in.SkipBlanks();
  LayoutObject root = ParseObject(in, 0);
  in.SkipBlanks();
  if (!in.AtEnd()) in.Fail("unexpected text after the last 'end'");
  return root;
}

void CheckDepth(TLayoutScanner& in, int depth) {
  if (depth > kMaxLayoutDepth) in.Fail("the layout is nested too deeply");
}

LayoutObject ParseObject(TLayoutScanner& in, int depth) {
  CheckDepth(in, depth);
  in.SkipBlanks();
  LayoutObject object;
  object.line = in.Line();
  object.column = in.Column();
  if (!in.PeekWord("object")) in.Fail("expected 'object'");
  in.Advance(6);
  std::string first = in.ReadIdent("the component's name and class");
  in.SkipBlanks();
  if (in.Peek() == ':') {
    in.Advance();
    object.name = std::move(first);
    object.className = in.ReadIdent("a class name after ':'");
  } else {
    object.className = std::move(first);
  }
  for (;;) {
    in.SkipBlanks();
    if (in.AtEnd())
      TLayoutScanner::FailAt("'object " + object.className + "' has no matching 'end'", object.line, object.column);
    if (in.PeekWord("end")) {
      in.Advance(3);
      return object;
    }
    if (in.PeekWord("object")) {
      object.children.push_back(ParseObject(in, depth + 1));
      continue;
    }
    object.properties.push_back(ParseProperty(in, depth));
  }
}

LayoutProperty ParseProperty(TLayoutScanner& in, int depth) {
  LayoutProperty property;
  in.SkipBlanks();
  property.line = in.Line();
  property.column = in.Column();
  property.name = in.ReadIdent("a property name, 'object' or 'end'");
  while (in.Peek() == '.') {
    in.Advance();
    if (!IsIdentStart(in.Peek())) in.Fail("expected a property name after '.'");
    property.name += '.';
    property.name += in.ReadIdent("a property name after '.'");
  }
  in.Expect('=', "'=' after the property name");
  property.value = ParseValue(in, depth + 1);
  return property;
}

LayoutValue ParseValue(TLayoutScanner& in, int depth) {
  CheckDepth(in, depth);
  in.SkipBlanks();
  LayoutValue value;
  value.line = in.Line();
  value.column = in.Column();
  const char c = in.Peek();
  if (c == '\'' || c == '#') {
    value.kind = LayoutValue::Kind::String;
    value.text = in.ReadString();
  } else if (c == '[') {
    value.kind = LayoutValue::Kind::Set;
    ParseSet(in, value);
  } else if (c == '{') {
    value.kind = LayoutValue::Kind::Binary;
    in.ReadBinary(value);
  } else if (c == '(') {
    value.kind = LayoutValue::Kind::List;
    ParseList(in, value, depth);
  } else if (c == '<') {
    value.kind = LayoutValue::Kind::Collection;
    ParseCollection(in, value, depth);
  } else if (c == '$' || c == '-' || c == '+' || IsDigit(c)) {
    in.ReadNumber(value);
  } else if (IsIdentStart(c)) {
    value.kind = LayoutValue::Kind::Identifier;
    value.text = in.ReadIdent("a value");
  } else if (in.AtEnd()) {
    in.Fail("expected a value, found the end of the text");
  } else {
    in.Fail(std::string("expected a value, found '") + c + "'");
  }
  return value;
}

void ParseList(TLayoutScanner& in, LayoutValue& value, int depth) {
  in.Advance();
  for (;;) {
    in.SkipBlanks();
    if (in.AtEnd()) TLayoutScanner::FailAt("the list has no closing ')'", value.line, value.column);
    if (in.Peek() == ')') {
      in.Advance();
      return;
    }
    value.items.push_back(ParseValue(in, depth + 1));
  }
}

void ParseSet(TLayoutScanner& in, LayoutValue& value) {
  in.Advance();
  in.SkipBlanks();
  if (in.Peek() == ']') {
    in.Advance();
    return;
  }
  for (;;) {
    value.names.push_back(in.ReadIdent("a set member"));
    in.SkipBlanks();
    if (in.Peek() == ',') {
      in.Advance();
      continue;
    }
    in.Expect(']', "',' or ']' in the set");
    return;
  }
}

void ParseCollection(TLayoutScanner& in, LayoutValue& value, int depth) {
  in.Advance();
  for (;;) {
    in.SkipBlanks();
    if (in.AtEnd()) TLayoutScanner::FailAt("the collection has no closing '>'", value.line, value.column);
    if (in.Peek() == '>') {
      in.Advance();
      return;
    }
    if (!in.PeekWord("item")) in.Fail("expected 'item' or '>' in the collection");
    value.collection.push_back(ParseItem(in, depth));
  }
}

LayoutItem ParseItem(TLayoutScanner& in, int depth) {
  LayoutItem item;
  item.line = in.Line();
  in.Advance(4);
  for (;;) {
    in.SkipBlanks();
    if (in.AtEnd()) TLayoutScanner::FailAt("the collection item has no matching 'end'", item.line, 1);
    if (in.PeekWord("end")) {
      in.Advance(3);
      return item;
    }
    item.properties.push_back(ParseProperty(in, depth + 1));
  }
}

}  // namespace

LayoutObject ParseLayout(std::string_view text) {
  TLayoutScanner in(text);
  return ParseDocument(in);
}

}  // namespace tk
