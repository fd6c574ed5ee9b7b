#include "toolkit/win/Accessibility.h"

#include <oleacc.h>

#include <atomic>
#include <string>
#include <vector>

#include "toolkit/win/Label.h"
#include "toolkit/win/SpeedButton.h"
#include "toolkit/win/Unicode.h"
#include "toolkit/win/WinControl.h"

namespace tk {

namespace {

// The interface's id as its declaration gives it (the import library's
// IID_IAccessible is not the interface's).
const IID& AccessibleId() { return __uuidof(IAccessible); }

bool IsWindowless(const TControl* c) { return c && !dynamic_cast<const TWinControl*>(c); }

std::vector<TControl*> WindowlessChildren(const TWinControl& container) {
  std::vector<TControl*> children;
  for (int i = 0; i < container.ControlCount(); ++i)
    if (IsWindowless(container.Controls(i))) children.push_back(container.Controls(i));
  return children;
}

std::string NameOf(const TControl& c) {
  if (!c.AccessibleName().empty()) return c.AccessibleName();
  if (!c.Hint().empty()) return c.Hint();
  return c.Caption();
}

long RoleOf(const TControl& c) {
  if (dynamic_cast<const TSpeedButton*>(&c)) return ROLE_SYSTEM_PUSHBUTTON;
  if (dynamic_cast<const TCustomLabel*>(&c)) return ROLE_SYSTEM_STATICTEXT;
  return ROLE_SYSTEM_GRAPHIC;
}

HRESULT PutString(BSTR* out, const std::string& text) {
  if (!out) return E_INVALIDARG;
  *out = text.empty() ? nullptr : SysAllocString(Utf8ToWide(text).c_str());
  return *out ? S_OK : S_FALSE;
}

// The system's accessible object of a window, named by the control and with
// the control's children under it: its child windows (each as the object
// the window itself gives) and, after them, its windowless children. It
// holds the window, not the control: a screen reader may keep it after the
// control went away.
class TAccessibleProxy final : public IAccessible {
public:
  TAccessibleProxy(HWND window, IAccessible* system) : window_(window), system_(system) {}
  ~TAccessibleProxy() { system_->Release(); }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == AccessibleId()) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: scripting clients are not served.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  STDMETHODIMP get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
  STDMETHODIMP get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<long>(ChildWindows().size() + Windowless().size());
    return S_OK;
  }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (const HWND w = ChildWindow(child))
      return AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch, reinterpret_cast<void**>(out));
    return Element(child) ? S_FALSE : E_INVALIDARG;  // an element: this object answers for it
  }
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    if (TControl* c = Element(child)) return PutString(name, NameOf(*c));
    if (IsSelf(child)) {
      TWinControl* self = Self();
      if (self && !self->AccessibleName().empty()) return PutString(name, self->AccessibleName());
      return system_->get_accName(child, name);
    }
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->get_accName(self, name); });
  }
  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
    if (Element(child)) return PutString(value, "");
    if (IsSelf(child)) return system_->get_accValue(child, value);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->get_accValue(self, value); });
  }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
    if (Element(child)) return PutString(text, "");
    if (IsSelf(child)) return system_->get_accDescription(child, text);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->get_accDescription(self, text); });
  }
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
    if (TControl* c = Element(child)) {
      if (!role) return E_POINTER;
      VariantInit(role);
      role->vt = VT_I4;
      role->lVal = RoleOf(*c);
      return S_OK;
    }
    if (IsSelf(child)) return system_->get_accRole(child, role);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->get_accRole(self, role); });
  }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
    if (TControl* c = Element(child)) {
      if (!state) return E_POINTER;
      VariantInit(state);
      state->vt = VT_I4;
      state->lVal = 0;
      if (!c->Enabled()) state->lVal |= STATE_SYSTEM_UNAVAILABLE;
      if (!c->Visible()) state->lVal |= STATE_SYSTEM_INVISIBLE;
      if (c->MouseInControl()) state->lVal |= STATE_SYSTEM_HOTTRACKED;
      return S_OK;
    }
    if (IsSelf(child)) return system_->get_accState(child, state);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->get_accState(self, state); });
  }
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override {
    if (!IsSelf(child)) return PutString(help, "");
    return system_->get_accHelp(child, help);
  }
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (!IsSelf(child)) return S_FALSE;
    return system_->get_accHelpTopic(file, child, topic);
  }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    if (Element(child)) return PutString(keys, "");
    if (IsSelf(child)) return system_->get_accKeyboardShortcut(child, keys);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->get_accKeyboardShortcut(self, keys); });
  }
  STDMETHODIMP get_accFocus(VARIANT* focus) override { return system_->get_accFocus(focus); }
  STDMETHODIMP get_accSelection(VARIANT* selection) override { return system_->get_accSelection(selection); }
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (TControl* c = Element(child)) return PutString(action, RoleOf(*c) == ROLE_SYSTEM_PUSHBUTTON ? "Press" : "");
    if (IsSelf(child)) return system_->get_accDefaultAction(child, action);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->get_accDefaultAction(self, action); });
  }
  STDMETHODIMP accSelect(long flags, VARIANT child) override {
    if (!IsSelf(child)) return S_FALSE;
    return system_->accSelect(flags, child);
  }
  STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (TControl* c = Element(child)) {
      if (!left || !top || !width || !height) return E_POINTER;
      const POINT origin = c->Parent()->ClientToScreen(POINT{c->Left(), c->Top()});
      *left = origin.x;
      *top = origin.y;
      *width = c->Width();
      *height = c->Height();
      return S_OK;
    }
    if (IsSelf(child)) return system_->accLocation(left, top, width, height, child);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->accLocation(left, top, width, height, self); });
  }
  STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!IsSelf(start)) return S_FALSE;
    return system_->accNavigate(direction, start, end);
  }
  STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override {
    if (!child) return E_POINTER;
    TWinControl* self = Self();
    if (!self) return system_->accHitTest(x, y, child);
    const POINT p = self->ScreenToClient(POINT{x, y});
    const std::vector<HWND> windows = ChildWindows();
    const std::vector<TControl*> elements = Windowless();
    for (std::size_t i = 0; i < elements.size(); ++i) {
      const TControl* c = elements[i];
      if (c->Visible() && p.x >= c->Left() && p.x < c->Left() + c->Width() && p.y >= c->Top() &&
          p.y < c->Top() + c->Height()) {
        VariantInit(child);
        child->vt = VT_I4;
        child->lVal = static_cast<long>(windows.size() + i + 1);
        return S_OK;
      }
    }
    for (std::size_t i = 0; i < windows.size(); ++i) {
      RECT r;
      GetWindowRect(windows[i], &r);
      if (!IsWindowVisible(windows[i]) || x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
      VARIANT id;
      VariantInit(&id);
      id.vt = VT_I4;
      id.lVal = static_cast<long>(i + 1);
      VariantInit(child);
      child->vt = VT_DISPATCH;
      return get_accChild(id, &child->pdispVal);
    }
    return system_->accHitTest(x, y, child);
  }
  STDMETHODIMP accDoDefaultAction(VARIANT child) override {
    if (TControl* c = Element(child)) {
      if (RoleOf(*c) != ROLE_SYSTEM_PUSHBUTTON || !c->Enabled()) return DISP_E_MEMBERNOTFOUND;
      c->Click();
      return S_OK;
    }
    if (IsSelf(child)) return system_->accDoDefaultAction(child);
    return OfWindow(child, [&](IAccessible* a, VARIANT self) { return a->accDoDefaultAction(self); });
  }
  STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  STDMETHODIMP put_accValue(VARIANT child, BSTR value) override {
    if (!IsSelf(child)) return E_NOTIMPL;
    return system_->put_accValue(child, value);
  }

private:
  TWinControl* Self() const { return IsWindow(window_) ? TWinControl::FindControl(window_) : nullptr; }
  std::vector<TControl*> Windowless() const {
    TWinControl* self = Self();
    return self ? WindowlessChildren(*self) : std::vector<TControl*>{};
  }
  std::vector<HWND> ChildWindows() const {
    std::vector<HWND> windows;
    if (!IsWindow(window_)) return windows;
    for (HWND w = GetWindow(window_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) windows.push_back(w);
    return windows;
  }
  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  // The child window a child id names, or none.
  HWND ChildWindow(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal <= 0) return nullptr;
    const std::vector<HWND> windows = ChildWindows();
    return child.lVal <= static_cast<long>(windows.size()) ? windows[static_cast<std::size_t>(child.lVal - 1)] : nullptr;
  }
  // The windowless child a child id names, or none.
  TControl* Element(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal <= 0) return nullptr;
    const std::vector<TControl*> elements = Windowless();
    const long index = child.lVal - static_cast<long>(ChildWindows().size()) - 1;
    return index >= 0 && index < static_cast<long>(elements.size()) ? elements[static_cast<std::size_t>(index)] : nullptr;
  }
  // Asks the object of the child window an id names about itself.
  template <class F>
  HRESULT OfWindow(const VARIANT& child, F ask) const {
    const HWND w = ChildWindow(child);
    if (!w) return E_INVALIDARG;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), AccessibleId(),
                                          reinterpret_cast<void**>(&object))) ||
        !object)
      return E_FAIL;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const HRESULT hr = ask(object, self);
    object->Release();
    return hr;
  }

  HWND window_;
  IAccessible* system_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

bool AnswerAccessibleObject(TWinControl& control, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || !control.HandleAllocated()) return false;
  if (control.AccessibleName().empty() && WindowlessChildren(control).empty()) return false;
  IAccessible* system = nullptr;
  if (FAILED(CreateStdAccessibleObject(control.Handle(), OBJID_CLIENT, AccessibleId(),
                                       reinterpret_cast<void**>(&system))) ||
      !system)
    return false;
  auto* proxy = new TAccessibleProxy(control.Handle(), system);
  result = LresultFromObject(AccessibleId(), wParam, static_cast<IAccessible*>(proxy));
  proxy->Release();
  return true;
}

}  // namespace tk
