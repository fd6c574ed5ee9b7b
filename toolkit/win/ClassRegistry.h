#pragma once
// What a stored layout may name: component classes with a factory, and for
// every class (components and their persistent sub-objects alike) a small
// table of published properties, each with the code that applies a stored
// value. A class inherits the tables of its base classes by name.
//
// Other parts of the program register their own classes the same way, before
// a layout naming them is read:
//
//   tk::ClassRegistry().Register<TsButton>("TsButton", "TButton")
//       .Object("SkinData", &TsButton::SkinData)
//       .Enum<TsDisabledKind>("DisabledKind", &TsButton::SetDisabledKind, {{"dkBlended", dkBlended}});
//
// A form class also lists its fields (bound by component name as the layout
// creates them) and its published methods (what event properties name):
//
//   .Field("sButton1", &TForm1::sButton1)
//   .Method("sButton1Click", &TForm1::sButton1Click)

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "toolkit/core/StringList.h"
#include "toolkit/win/Colors.h"
#include "toolkit/win/Component.h"
#include "toolkit/win/LayoutParser.h"

namespace tk {

class TCollection;
class TLayoutReader;

// What a property setter gets besides the value: reference fix-ups and the
// root's published methods.
class TReadContext {
public:
  virtual ~TReadContext() = default;
  // Sets a reference property once every component of the layout exists.
  virtual void AddFixup(const LayoutValue& value, std::function<void(TComponent*)> assign) = 0;
  // The published method of that name, bound to the root (or empty).
  virtual std::any FindMethod(const std::string& name) = 0;
  // Applies collection-item or sub-object properties.
  virtual void ReadProperties(TPersistent& target, const std::vector<LayoutProperty>& properties) = 0;
};

[[noreturn]] void FailValue(const LayoutValue& value, const std::string& message);
bool ValueToBoolean(const LayoutValue& value);
std::int64_t ValueToInteger(const LayoutValue& value);
double ValueToFloat(const LayoutValue& value);
const std::string& ValueToString(const LayoutValue& value);
TColor ValueToColor(const LayoutValue& value);
StringList ValueToStrings(const LayoutValue& value);
int ValueToEnum(const LayoutValue& value, const std::vector<std::pair<std::string, int>>& names);
unsigned ValueToSet(const LayoutValue& value, const std::vector<std::pair<std::string, unsigned>>& names);

struct TPropertyInfo {
  std::string name;
  // Applies a value (properties with a value)...
  std::function<void(TPersistent& target, const LayoutValue& value, TReadContext& context)> set;
  // ...or reaches a sub-object (properties like Font whose own properties are
  // stored as "Font.Name").
  std::function<TPersistent&(TPersistent& target)> object;
};

struct TClassInfo {
  std::string name;
  std::string baseName;
  std::function<TComponent*(TComponent* owner)> factory;  // empty: not creatable
  std::vector<TPropertyInfo> properties;
  // Field binders of a root class: true when the component fits the field.
  std::map<std::string, std::function<bool(TComponent& root, TComponent* component)>, std::less<>> fields;
  std::map<std::string, std::function<std::any(TComponent& root)>, std::less<>> methods;
};

class TClassRegistry {
public:
  template <class T>
  class Builder;

  // Registers (or extends) a class; baseName "" for a root of the hierarchy.
  template <class T>
  Builder<T> Register(const std::string& name, const std::string& baseName);

  const TClassInfo* Find(std::string_view name) const;
  // The property of that name in the class or its bases (case-insensitive).
  const TPropertyInfo* FindProperty(const TClassInfo& info, std::string_view name) const;
  // Walks the class and its bases.
  template <class F>
  void ForEachInChain(const TClassInfo& info, F&& visit) const {
    int guard = 0;  // a base named in a circle must not loop
    for (const TClassInfo* c = &info; c && guard < 64; c = c->baseName.empty() ? nullptr : Find(c->baseName), ++guard)
      visit(*c);
  }

private:
  TClassInfo& Entry(const std::string& name, const std::string& baseName);
  std::map<std::string, std::unique_ptr<TClassInfo>, std::less<>> classes_;
};

// The registry every layout reader uses; the toolkit's own classes are in it.
TClassRegistry& ClassRegistry();

template <class T>
class TClassRegistry::Builder {
public:
  explicit Builder(TClassInfo& info) : info_(info) {}

  template <class V>
  Builder& Integer(const std::string& name, void (T::*setter)(V)) {
    return Add(name, [setter](T& t, const LayoutValue& v, TReadContext&) {
      const std::int64_t n = ValueToInteger(v);
      if (n < static_cast<std::int64_t>(std::numeric_limits<V>::min()) ||
          n > static_cast<std::int64_t>(std::numeric_limits<V>::max()))
        FailValue(v, "the number is out of range");
      (t.*setter)(static_cast<V>(n));
    });
  }
  Builder& Boolean(const std::string& name, void (T::*setter)(bool)) {
    return Add(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToBoolean(v)); });
  }
  Builder& Float(const std::string& name, void (T::*setter)(double)) {
    return Add(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToFloat(v)); });
  }
  Builder& String(const std::string& name, void (T::*setter)(std::string_view)) {
    return Add(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToString(v)); });
  }
  Builder& Color(const std::string& name, void (T::*setter)(TColor)) {
    return Add(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToColor(v)); });
  }
  Builder& Strings(const std::string& name, void (T::*setter)(StringList)) {
    return Add(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToStrings(v)); });
  }
  template <class E>
  Builder& Enum(const std::string& name, void (T::*setter)(E), std::initializer_list<std::pair<const char*, E>> names) {
    std::vector<std::pair<std::string, int>> table;
    for (const auto& [ident, value] : names) table.emplace_back(ident, static_cast<int>(value));
    return Add(name, [setter, table](T& t, const LayoutValue& v, TReadContext&) {
      (t.*setter)(static_cast<E>(ValueToEnum(v, table)));
    });
  }
  Builder& Set(const std::string& name, void (T::*setter)(unsigned),
               std::initializer_list<std::pair<const char*, unsigned>> names) {
    std::vector<std::pair<std::string, unsigned>> table;
    for (const auto& [ident, value] : names) table.emplace_back(ident, value);
    return Add(name, [setter, table](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToSet(v, table)); });
  }
  Builder& Binary(const std::string& name, std::function<void(T&, const std::vector<std::uint8_t>&)> apply) {
    return Add(name, [apply](T& t, const LayoutValue& v, TReadContext&) {
      if (v.kind != LayoutValue::Kind::Binary) FailValue(v, std::string("expected binary data, found ") + DescribeKind(v.kind));
      apply(t, v.bytes);
    });
  }
  // A sub-object reached through a getter returning a reference.
  template <class R>
  Builder& Object(const std::string& name, R& (T::*getter)()) {
    static_assert(std::is_base_of_v<TPersistent, R>);
    TPropertyInfo info;
    info.name = name;
    info.object = [getter](TPersistent& target) -> TPersistent& { return (Cast(target).*getter)(); };
    info_.properties.push_back(std::move(info));
    return *this;
  }
  // An event stored as a public handler member (std::function).
  template <class E>
  Builder& Event(const std::string& name, E T::*member) {
    return Add(name, [name, member](T& t, const LayoutValue& v, TReadContext& context) {
      t.*member = ResolveMethod<E>(name, v, context);
    });
  }
  // An event set through a setter.
  template <class E>
  Builder& EventSetter(const std::string& name, void (T::*setter)(E)) {
    using Handler = std::decay_t<E>;
    return Add(name, [name, setter](T& t, const LayoutValue& v, TReadContext& context) {
      (t.*setter)(ResolveMethod<Handler>(name, v, context));
    });
  }
  // A reference to another component of the layout, set once all exist.
  template <class C>
  Builder& Reference(const std::string& name, void (T::*setter)(C*)) {
    return Add(name, [setter](T& t, const LayoutValue& v, TReadContext& context) {
      T* target = &t;
      context.AddFixup(v, [target, setter, v](TComponent* found) {
        if (!found) {
          (target->*setter)(nullptr);
          return;
        }
        C* typed = dynamic_cast<C*>(found);
        if (!typed) FailValue(v, "'" + v.text + "' is a " + found->ClassName() + " and does not fit here");
        (target->*setter)(typed);
      });
    });
  }
  // A collection: each stored item is added, then its properties applied.
  template <class R>
  Builder& Collection(const std::string& name, R& (T::*getter)()) {
    return Add(name, [getter](T& t, const LayoutValue& v, TReadContext& context) {
      if (v.kind != LayoutValue::Kind::Collection)
        FailValue(v, std::string("expected a collection, found ") + DescribeKind(v.kind));
      auto& collection = (t.*getter)();
      collection.Clear();
      for (const LayoutItem& item : v.collection) context.ReadProperties(*collection.Add(), item.properties);
    });
  }
  Builder& Custom(const std::string& name, std::function<void(T&, const LayoutValue&, TReadContext&)> apply) {
    return Add(name, std::move(apply));
  }
  // Creates the class from a layout (components only).
  Builder& Creatable() {
    if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*>)
      info_.factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return *this;
  }
  // A field of a root class, bound to the component of that name.
  template <class C>
  Builder& Field(const std::string& name, C* T::*member) {
    info_.fields[name] = [member](TComponent& root, TComponent* component) {
      if (!component) {
        Cast(root).*member = nullptr;
        return true;
      }
      C* typed = dynamic_cast<C*>(component);
      if (!typed) return false;
      Cast(root).*member = typed;
      return true;
    };
    return *this;
  }
  // A published method of a root class.
  template <class... A>
  Builder& Method(const std::string& name, void (T::*method)(A...)) {
    info_.methods[name] = [method](TComponent& root) -> std::any {
      T* self = &Cast(root);
      return std::function<void(A...)>([self, method](A... args) { (self->*method)(std::forward<A>(args)...); });
    };
    return *this;
  }

private:
  // A table registered under the wrong base class must not reach an object of
  // another class.
  static T& Cast(TPersistent& object) {
    T* typed = dynamic_cast<T*>(&object);
    if (!typed) throw std::logic_error(std::string("a ") + object.ClassName() + " is read with the property table of another class");
    return *typed;
  }

  template <class E>
  static E ResolveMethod(const std::string& property, const LayoutValue& v, TReadContext& context) {
    if (v.kind != LayoutValue::Kind::Identifier)
      FailValue(v, std::string("expected a method name, found ") + DescribeKind(v.kind));
    if (v.text == "nil") return E{};
    std::any method = context.FindMethod(v.text);
    if (!method.has_value()) FailValue(v, "the method '" + v.text + "' is not published by the form");
    if (const E* handler = std::any_cast<E>(&method)) return *handler;
    FailValue(v, "the method '" + v.text + "' does not fit the event " + property);
  }

  Builder& Add(const std::string& name, std::function<void(T&, const LayoutValue&, TReadContext&)> apply) {
    TPropertyInfo info;
    info.name = name;
    info.set = [apply = std::move(apply)](TPersistent& target, const LayoutValue& v, TReadContext& context) {
      apply(Cast(target), v, context);
    };
    info_.properties.push_back(std::move(info));
    return *this;
  }

  TClassInfo& info_;
};

template <class T>
TClassRegistry::Builder<T> TClassRegistry::Register(const std::string& name, const std::string& baseName) {
  return Builder<T>(Entry(name, baseName));
}

// Registers the toolkit's classes into a registry (ClassRegistry() does this
// for itself on first use).
void RegisterStandardClasses(TClassRegistry& registry);

}  // namespace tk
