#pragma once
// How stored values reach properties, for the registrations of
// ClassRegistry.h. Two groups, each a mix-in of TClassRegistry::Builder
// (Self), which supplies Custom (apply a stored value) and Target:
//   TValueProperties - values written in the layout itself: numbers, truth
//                      values, texts, colours, string lists, names of
//                      enumeration and set members, binary data;
//   TLinkProperties  - properties that lead elsewhere: events (the root's
//                      published methods), references to other components
//                      of the layout, and collections of items.

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
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

template <class T, class Self>
class TValueProperties {
public:
  template <class V>
  Self& Integer(const std::string& name, void (T::*setter)(V)) {
    return Apply(name, [setter](T& t, const LayoutValue& v, TReadContext&) {
      const std::int64_t n = ValueToInteger(v);
      if (n < static_cast<std::int64_t>(std::numeric_limits<V>::min()) ||
          n > static_cast<std::int64_t>(std::numeric_limits<V>::max()))
        FailValue(v, "the number is out of range");
      (t.*setter)(static_cast<V>(n));
    });
  }
  Self& Boolean(const std::string& name, void (T::*setter)(bool)) {
    return Apply(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToBoolean(v)); });
  }
  Self& Float(const std::string& name, void (T::*setter)(double)) {
    return Apply(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToFloat(v)); });
  }
  Self& String(const std::string& name, void (T::*setter)(std::string_view)) {
    return Apply(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToString(v)); });
  }
  Self& Color(const std::string& name, void (T::*setter)(TColor)) {
    return Apply(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToColor(v)); });
  }
  Self& Strings(const std::string& name, void (T::*setter)(StringList)) {
    return Apply(name, [setter](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToStrings(v)); });
  }
  template <class E>
  Self& Enum(const std::string& name, void (T::*setter)(E), std::initializer_list<std::pair<const char*, E>> names) {
    std::vector<std::pair<std::string, int>> table;
    for (const auto& [ident, value] : names) table.emplace_back(ident, static_cast<int>(value));
    return Apply(name, [setter, table](T& t, const LayoutValue& v, TReadContext&) {
      (t.*setter)(static_cast<E>(ValueToEnum(v, table)));
    });
  }
  Self& Set(const std::string& name, void (T::*setter)(unsigned),
            std::initializer_list<std::pair<const char*, unsigned>> names) {
    std::vector<std::pair<std::string, unsigned>> table;
    for (const auto& [ident, value] : names) table.emplace_back(ident, value);
    return Apply(name, [setter, table](T& t, const LayoutValue& v, TReadContext&) { (t.*setter)(ValueToSet(v, table)); });
  }
  Self& Binary(const std::string& name, std::function<void(T&, const std::vector<std::uint8_t>&)> apply) {
    return Apply(name, [apply](T& t, const LayoutValue& v, TReadContext&) {
      if (v.kind != LayoutValue::Kind::Binary) FailValue(v, std::string("expected binary data, found ") + DescribeKind(v.kind));
      apply(t, v.bytes);
    });
  }

private:
  template <class F>
  Self& Apply(const std::string& name, F&& apply) {
    return static_cast<Self&>(*this).Custom(name, std::forward<F>(apply));
  }
};

template <class T, class Self>
class TLinkProperties {
public:
  // An event stored as a public handler member (std::function).
  template <class E>
  Self& Event(const std::string& name, E T::*member) {
    return Apply(name, [name, member](T& t, const LayoutValue& v, TReadContext& context) {
      t.*member = ResolveMethod<E>(name, v, context);
    });
  }
  // An event set through a setter.
  template <class E>
  Self& EventSetter(const std::string& name, void (T::*setter)(E)) {
    using Handler = std::decay_t<E>;
    return Apply(name, [name, setter](T& t, const LayoutValue& v, TReadContext& context) {
      (t.*setter)(ResolveMethod<Handler>(name, v, context));
    });
  }
  // A reference to another component of the layout, set once all exist.
  template <class C>
  Self& Reference(const std::string& name, void (T::*setter)(C*)) {
    return Apply(name, [setter](T& t, const LayoutValue& v, TReadContext& context) {
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
  Self& Collection(const std::string& name, R& (T::*getter)()) {
    return Apply(name, [getter](T& t, const LayoutValue& v, TReadContext& context) {
      if (v.kind != LayoutValue::Kind::Collection)
        FailValue(v, std::string("expected a collection, found ") + DescribeKind(v.kind));
      auto& collection = (t.*getter)();
      collection.Clear();
      for (const LayoutItem& item : v.collection) context.ReadProperties(*collection.Add(), item.properties);
    });
  }

private:
  template <class F>
  Self& Apply(const std::string& name, F&& apply) {
    return static_cast<Self&>(*this).Custom(name, std::forward<F>(apply));
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
};

}  // namespace tk
