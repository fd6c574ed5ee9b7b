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
#include "toolkit/win/PropertyBuilders.h"

namespace tk {

class TCollection;
class TLayoutReader;

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

// A class's property table as a registration writes it. The kinds of
// property are described by two groups (PropertyBuilders.h): values stored
// as text, numbers or names, and links to other objects (sub-objects,
// events, references, collections); what remains here is the class itself -
// whether a layout may create it, and a root's fields and methods.
template <class T>
class TClassRegistry::Builder : public TValueProperties<T, TClassRegistry::Builder<T>>,
                                public TLinkProperties<T, TClassRegistry::Builder<T>> {
public:
  explicit Builder(TClassInfo& info) : info_(info) {}

  // A property with its own way of applying the stored value.
  Builder& Custom(const std::string& name, std::function<void(T&, const LayoutValue&, TReadContext&)> apply) {
    TPropertyInfo info;
    info.name = name;
    info.set = [apply = std::move(apply)](TPersistent& target, const LayoutValue& v, TReadContext& context) {
      apply(Target(target), v, context);
    };
    info_.properties.push_back(std::move(info));
    return *this;
  }
  // A sub-object reached through a getter returning a reference.
  template <class R>
  Builder& Object(const std::string& name, R& (T::*getter)()) {
    static_assert(std::is_base_of_v<TPersistent, R>);
    TPropertyInfo info;
    info.name = name;
    info.object = [getter](TPersistent& target) -> TPersistent& { return (Target(target).*getter)(); };
    info_.properties.push_back(std::move(info));
    return *this;
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
        Target(root).*member = nullptr;
        return true;
      }
      C* typed = dynamic_cast<C*>(component);
      if (!typed) return false;
      Target(root).*member = typed;
      return true;
    };
    return *this;
  }
  // A published method of a root class.
  template <class... A>
  Builder& Method(const std::string& name, void (T::*method)(A...)) {
    info_.methods[name] = [method](TComponent& root) -> std::any {
      T* self = &Target(root);
      return std::function<void(A...)>([self, method](A... args) { (self->*method)(std::forward<A>(args)...); });
    };
    return *this;
  }

  // The object a table entry applies to. A table registered under the wrong
  // base class must not reach an object of another class.
  static T& Target(TPersistent& object) {
    T* typed = dynamic_cast<T*>(&object);
    if (!typed) throw std::logic_error(std::string("a ") + object.ClassName() + " is read with the property table of another class");
    return *typed;
  }

private:
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
