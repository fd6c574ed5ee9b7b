#include "toolkit/win/LayoutReader.h"

#include <functional>
#include <set>
#include <vector>

#include "toolkit/core/StartupMarks.h"
#include "toolkit/core/TextCase.h"
#include "toolkit/win/Control.h"
#include "toolkit/win/WinControl.h"

namespace tk {

namespace {

const TClassInfo& InfoOf(TClassRegistry& registry, const TPersistent& object, int line, int column) {
  const TClassInfo* info = registry.Find(object.ClassName());
  if (!info) throw ELayoutError(std::string("the class ") + object.ClassName() + " is not registered", line, column);
  return *info;
}

// Which property a stored name means - following dotted paths through
// object properties (Font.Name) - and handing it the value.
void ApplyProperty(TClassRegistry& registry, TPersistent& target, const LayoutProperty& property,
                   TReadContext& context) {
  TPersistent* object = &target;
  std::string_view path = property.name;
  for (;;) {
    const TClassInfo& info = InfoOf(registry, *object, property.line, property.column);
    const std::size_t dot = path.find('.');
    const std::string_view name = path.substr(0, dot);
    const TPropertyInfo* found = registry.FindProperty(info, name);
    if (!found)
      throw ELayoutError("the class " + info.name + " has no property " + std::string(name), property.line,
                         property.column);
    if (dot == std::string_view::npos) {
      if (!found->set)
        throw ELayoutError(std::string(name) + " is an object: set its properties (" + std::string(name) + ".Name = ...)",
                           property.line, property.column);
      try {
        found->set(*object, property.value, context);
      } catch (const ELayoutError&) {
        throw;
      } catch (const std::exception& e) {
        throw ELayoutError(property.name + ": " + e.what(), property.line, property.column);
      }
      return;
    }
    if (!found->object)
      throw ELayoutError(std::string(name) + " is not an object property of " + info.name, property.line,
                         property.column);
    object = &found->object(*object);
    path = path.substr(dot + 1);
  }
}

// The root's fields that name the components of the layout: bound as the
// components are made, all of them required, unbound again when a read fails.
class TRootFields {
public:
  TRootFields(TClassRegistry& registry, TComponent& root, const TClassInfo& rootInfo)
      : registry_(registry), root_(root), rootInfo_(rootInfo) {}

  void Bind(const LayoutObject& node, TComponent* component) {
    if (node.name.empty()) return;
    registry_.ForEachInChain(rootInfo_, [&](const TClassInfo& info) {
      auto it = info.fields.find(node.name);
      if (it == info.fields.end()) return;
      if (!it->second(root_, component))
        throw ELayoutError("the field " + node.name + " of " + root_.ClassName() + " cannot hold a " + node.className,
                           node.line, node.column);
      bound_.insert(node.name);
    });
  }

  void CheckAllBound(const LayoutObject& tree) const {
    registry_.ForEachInChain(rootInfo_, [&](const TClassInfo& info) {
      for (const auto& [name, bind] : info.fields)
        if (!bound_.count(name))
          throw ELayoutError("the layout has no component for the field " + name + " of " + root_.ClassName(),
                             tree.line, tree.column);
    });
  }

  void UnbindAll() noexcept {
    registry_.ForEachInChain(rootInfo_, [&](const TClassInfo& info) {
      for (const auto& [name, bind] : info.fields) bind(root_, nullptr);
    });
  }

private:
  TClassRegistry& registry_;
  TComponent& root_;
  const TClassInfo& rootInfo_;
  std::set<std::string, std::less<>> bound_;
};

// References to components by name, resolved once every component exists.
class TReferences {
public:
  void Add(const LayoutValue& value, std::function<void(TComponent*)> assign) {
    if (value.kind != LayoutValue::Kind::Identifier)
      FailValue(value, std::string("expected a component name, found ") + DescribeKind(value.kind));
    pending_.push_back(Pending{value, std::move(assign)});
  }

  void Resolve(TComponent& root) const {
    for (const Pending& reference : pending_) {
      const std::string& name = reference.value.text;
      TComponent* found = nullptr;
      if (name != "nil") {
        found = SameText(name, root.Name()) ? &root : root.FindComponent(name);
        if (!found) FailValue(reference.value, "there is no component named " + name);
      }
      try {
        reference.assign(found);
      } catch (const ELayoutError&) {
        throw;
      } catch (const std::exception& e) {
        FailValue(reference.value, e.what());
      }
    }
  }

private:
  struct Pending {
    LayoutValue value;
    std::function<void(TComponent*)> assign;
  };
  std::vector<Pending> pending_;
};

}  // namespace

// One read of a layout into a root: makes the components in stored order
// and places them; properties, root fields and references are the helpers'.
class TLayoutReading final : public TReadContext {
public:
  TLayoutReading(TClassRegistry& registry, TComponent& root, const TClassInfo& rootInfo)
      : registry_(registry), root_(root), rootInfo_(rootInfo), fields_(registry, root, rootInfo) {}

  void Run(const LayoutObject& tree) {
    if (!SameText(tree.className, root_.ClassName()))
      throw ELayoutError("the layout describes a " + tree.className + ", not a " + root_.ClassName(), tree.line,
                         tree.column);
    if (!tree.name.empty()) root_.SetName(tree.name);
    SetState(root_, csReading, true);
    ReadProperties(root_, tree.properties);
    SetState(root_, csReading, false);
    for (const LayoutObject& child : tree.children) ReadChild(child, root_);
    references_.Resolve(root_);
    fields_.CheckAllBound(tree);
    if (auto* container = dynamic_cast<TWinControl*>(&root_)) container->FixupTabList();
    for (TComponent* c : created_)
      if (auto* container = dynamic_cast<TWinControl*>(c)) container->FixupTabList();
  }

  void Loaded() {
    root_.Loaded();
    for (TComponent* c : std::vector<TComponent*>(created_)) c->Loaded();
  }

  // Frees what the read created and takes the root out of the loading state.
  void Undo() noexcept {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
      try {
        TComponent::Free(*it);
      } catch (...) {
      }
    }
    created_.clear();
    fields_.UnbindAll();
  }

  void ReadProperties(TPersistent& target, const std::vector<LayoutProperty>& properties) override {
    for (const LayoutProperty& property : properties) ApplyProperty(registry_, target, property, *this);
  }

  void AddFixup(const LayoutValue& value, std::function<void(TComponent*)> assign) override {
    references_.Add(value, std::move(assign));
  }

  std::any FindMethod(const std::string& name) override {
    std::any result;
    registry_.ForEachInChain(rootInfo_, [&](const TClassInfo& info) {
      if (result.has_value()) return;
      auto it = info.methods.find(name);
      if (it != info.methods.end()) result = it->second(root_);
    });
    return result;
  }

private:
  static void SetState(TComponent& component, TComponentState flags, bool on) {
    TLayoutReader::SetState(component, flags, on);
  }

  TComponent* Make(const LayoutObject& node) {
    const TClassInfo* info = registry_.Find(node.className);
    if (!info) throw ELayoutError("the class " + node.className + " is not registered", node.line, node.column);
    if (!info->factory)
      throw ELayoutError("the class " + node.className + " cannot be created from a layout", node.line, node.column);
    if (!node.name.empty() && (root_.FindComponent(node.name) || SameText(node.name, root_.Name())))
      throw ELayoutError("a component named " + node.name + " already exists", node.line, node.column);
    TComponent* component = info->factory(&root_);
    created_.push_back(component);
    SetState(*component, csLoading, true);
    return component;
  }

  // A control goes onto the enclosing control; anything else nests as the
  // enclosing component's part (an action in its list).
  void Place(const LayoutObject& node, TComponent& component, TComponent& parent) {
    auto* childControl = dynamic_cast<TControl*>(&component);
    if (!childControl) {
      component.SetParentComponent(&parent);
      return;
    }
    auto* container = dynamic_cast<TWinControl*>(&parent);
    if (&parent != &root_ || dynamic_cast<TControl*>(&parent)) {
      if (!container || !(container->ControlStyle() & csAcceptsControls))
        throw ELayoutError(std::string(parent.ClassName()) + " " + parent.Name() + " cannot contain controls",
                           node.line, node.column);
    }
    if (container) childControl->SetParent(container);
  }

  void ReadStoredProperties(const LayoutObject& node, TComponent& component) {
    auto* control = dynamic_cast<TControl*>(&component);
    SetState(component, csReading, true);
    if (control) control->SetControlState(control->ControlState() | csReadingState);
    ReadProperties(component, node.properties);
    if (control) control->SetControlState(control->ControlState() & ~csReadingState);
    SetState(component, csReading, false);
  }

  void ReadChild(const LayoutObject& node, TComponent& parent) {
    TComponent* component = Make(node);
    try {
      component->AfterConstruction();
      component->SetName(node.name);
      Place(node, *component, parent);
      fields_.Bind(node, component);
      ReadStoredProperties(node, *component);
    } catch (const ELayoutError&) {
      throw;
    } catch (const std::exception& e) {
      throw ELayoutError(node.name + ": " + e.what(), node.line, node.column);
    }
    for (const LayoutObject& child : node.children) ReadChild(child, *component);
  }

  TClassRegistry& registry_;
  TComponent& root_;
  const TClassInfo& rootInfo_;
  TRootFields fields_;
  TReferences references_;
  std::vector<TComponent*> created_;
};

void TLayoutReader::ReadRoot(TComponent& root, std::string_view text) {
  const LayoutObject tree = ParseLayout(text);
  StartupMark("layout parsed");
  const TClassInfo* rootInfo = registry_.Find(root.ClassName());
  if (!rootInfo) throw ELayoutError(std::string("the class ") + root.ClassName() + " is not registered", 0, 0);
  TLayoutReading reading(registry_, root, *rootInfo);
  SetState(root, csLoading, true);
  try {
    reading.Run(tree);
  } catch (...) {
    reading.Undo();
    SetState(root, csLoading | csReading, false);
    throw;
  }
  StartupMark("layout read");
  reading.Loaded();
  StartupMark("layout loaded");
}

}  // namespace tk
