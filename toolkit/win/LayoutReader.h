#pragma once
// Reads a stored layout (LayoutParser.h) into a root component, usually a
// form:
//   1. the root's own properties are set, then every nested object is created
//      in stored order with the root as owner and the enclosing object as
//      parent, under the loading state (csLoading; csReading while its
//      properties are set); the root's fields of the same names are bound;
//   2. references between components are resolved, tab orders sorted;
//   3. Loaded() runs for the root, then for every component in stored order.
// Classes and properties come from ClassRegistry(). Any fault - bad syntax,
// an unknown class or property, a value of the wrong kind, a duplicate name,
// a root field the layout does not fill - raises ELayoutError, and every
// component created by the read is freed again.

#include <string_view>

#include "toolkit/win/ClassRegistry.h"
#include "toolkit/win/Component.h"

namespace tk {

class TLayoutReading;

class TLayoutReader {
public:
  explicit TLayoutReader(TClassRegistry& registry = ClassRegistry()) : registry_(registry) {}
  void ReadRoot(TComponent& root, std::string_view text);

private:
  friend class TLayoutReading;
  static void SetState(TComponent& component, TComponentState flags, bool on) {
    component.SetComponentState(flags, on);
  }
  TClassRegistry& registry_;
};

}  // namespace tk
