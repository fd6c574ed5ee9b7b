#pragma once
// Small vocabulary shared by the whole toolkit: the root object, event
// signatures, keyboard and mouse state, alignment.

#include <windows.h>

#include <cstdint>
#include <functional>

namespace tk {

// Every toolkit class names itself, so that stored layouts, class registries
// and skins can refer to it by its class name.
class TObject {
public:
  virtual ~TObject() = default;
  virtual const char* ClassName() const { return "TObject"; }
};

#define TK_CLASS(Name)                                           \
public:                                                          \
  static constexpr const char* StaticClassName() { return #Name; } \
  const char* ClassName() const override { return #Name; }       \
                                                                 \
private:

// Keyboard and mouse state of an input event.
enum TShiftFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using TShiftState = unsigned;

// The modifier keys as the keyboard state says now (GetKeyState).
TShiftState KeyboardShiftState();
// Mouse-message flags (MK_*) plus the modifier keys.
TShiftState ShiftStateFromMouseFlags(WPARAM flags);

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Modal results of buttons and forms.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, wchar_t& key)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

inline int RectWidth(const RECT& r) { return r.right - r.left; }
inline int RectHeight(const RECT& r) { return r.bottom - r.top; }
inline RECT MakeRect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }
inline RECT BoundsToRect(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

}  // namespace tk
