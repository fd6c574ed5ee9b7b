#include "toolkit/win/ClassRegistry.h"

#include "toolkit/core/TextCase.h"

namespace tk {

void FailValue(const LayoutValue& value, const std::string& message) {
  throw ELayoutError(message, value.line, value.column);
}

bool ValueToBoolean(const LayoutValue& value) {
  if (value.kind == LayoutValue::Kind::Identifier) {
    if (SameText(value.text, "True")) return true;
    if (SameText(value.text, "False")) return false;
  }
  FailValue(value, "expected True or False");
}

std::int64_t ValueToInteger(const LayoutValue& value) {
  if (value.kind != LayoutValue::Kind::Integer)
    FailValue(value, std::string("expected an integer, found ") + DescribeKind(value.kind));
  return value.integer;
}

double ValueToFloat(const LayoutValue& value) {
  if (value.kind == LayoutValue::Kind::Integer) return static_cast<double>(value.integer);
  if (value.kind != LayoutValue::Kind::Float)
    FailValue(value, std::string("expected a number, found ") + DescribeKind(value.kind));
  return value.number;
}

const std::string& ValueToString(const LayoutValue& value) {
  if (value.kind != LayoutValue::Kind::String)
    FailValue(value, std::string("expected a string, found ") + DescribeKind(value.kind));
  return value.text;
}

TColor ValueToColor(const LayoutValue& value) {
  if (value.kind == LayoutValue::Kind::Integer) {
    if (value.integer < INT32_MIN || value.integer > INT32_MAX) FailValue(value, "the colour is out of range");
    return static_cast<TColor>(value.integer);
  }
  if (value.kind == LayoutValue::Kind::Identifier) {
    if (auto color = IdentToColor(value.text)) return *color;
    FailValue(value, "'" + value.text + "' is not a colour");
  }
  FailValue(value, std::string("expected a colour, found ") + DescribeKind(value.kind));
}

StringList ValueToStrings(const LayoutValue& value) {
  if (value.kind != LayoutValue::Kind::List)
    FailValue(value, std::string("expected a list of strings, found ") + DescribeKind(value.kind));
  StringList list;
  for (const LayoutValue& item : value.items) list.Add(ValueToString(item));
  return list;
}

int ValueToEnum(const LayoutValue& value, const std::vector<std::pair<std::string, int>>& names) {
  if (value.kind != LayoutValue::Kind::Identifier)
    FailValue(value, std::string("expected an enumeration value, found ") + DescribeKind(value.kind));
  for (const auto& [ident, n] : names)
    if (SameText(ident, value.text)) return n;
  FailValue(value, "'" + value.text + "' is not a value of this property");
}

unsigned ValueToSet(const LayoutValue& value, const std::vector<std::pair<std::string, unsigned>>& names) {
  if (value.kind != LayoutValue::Kind::Set) FailValue(value, std::string("expected a set, found ") + DescribeKind(value.kind));
  unsigned result = 0;
  for (const std::string& member : value.names) {
    bool known = false;
    for (const auto& [ident, bit] : names)
      if (SameText(ident, member)) {
        result |= bit;
        known = true;
      }
    if (!known) FailValue(value, "'" + member + "' is not a member of this set");
  }
  return result;
}

TClassInfo& TClassRegistry::Entry(const std::string& name, const std::string& baseName) {
  auto it = classes_.find(name);
  if (it == classes_.end()) {
    auto info = std::make_unique<TClassInfo>();
    info->name = name;
    info->baseName = baseName;
    it = classes_.emplace(name, std::move(info)).first;
  } else if (!baseName.empty()) {
    it->second->baseName = baseName;
  }
  return *it->second;
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
  auto it = classes_.find(name);
  if (it != classes_.end()) return it->second.get();
  for (const auto& [key, info] : classes_)
    if (SameText(key, name)) return info.get();
  return nullptr;
}

const TPropertyInfo* TClassRegistry::FindProperty(const TClassInfo& info, std::string_view name) const {
  const TPropertyInfo* found = nullptr;
  int guard = 0;
  for (const TClassInfo* c = &info; c && !found && guard < 64; ++guard) {
    // Later registrations of a name override earlier ones.
    for (auto it = c->properties.rbegin(); it != c->properties.rend(); ++it)
      if (SameText(it->name, name)) {
        found = &*it;
        break;
      }
    c = c->baseName.empty() ? nullptr : Find(c->baseName);
  }
  return found;
}

TClassRegistry& ClassRegistry() {
  static TClassRegistry registry;
  static const bool standard = (RegisterStandardClasses(registry), true);
  (void)standard;
  return registry;
}

}  // namespace tk
