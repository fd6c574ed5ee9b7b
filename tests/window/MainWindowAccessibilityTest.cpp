// What a screen reader finds in the converter's window: walking the
// window's accessible objects from the form down reaches every control; the
// windowless speed buttons are there as push buttons named by what they do
// (the clear button by its hint), and pressing one through its default
// action runs its command; the edits carry the names of their labels, the
// push buttons their captions.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <map>
#include <string>
#include <vector>

#include "MainWindowFixture.h"

namespace {

using namespace testing_support;

struct Found {
  std::wstring name;
  long role = 0;
};

std::wstring NameOf(IAccessible* object, const VARIANT& child) {
  BSTR name = nullptr;
  std::wstring result;
  if (object->get_accName(child, &name) == S_OK && name) result = name;
  SysFreeString(name);
  return result;
}

long RoleOf(IAccessible* object, const VARIANT& child) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(object->get_accRole(child, &role)) || role.vt != VT_I4) return 0;
  return role.lVal;
}

VARIANT Self() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = CHILDID_SELF;
  return v;
}

// Every object and element below `object`, depth first.
void Walk(IAccessible* object, std::vector<Found>& found, int depth = 0) {
  if (depth > 8) return;
  long count = 0;
  if (FAILED(object->get_accChildCount(&count)) || count <= 0) return;
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long obtained = 0;
  if (FAILED(AccessibleChildren(object, 0, count, children.data(), &obtained))) return;
  for (long i = 0; i < obtained; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    if (child.vt == VT_DISPATCH && child.pdispVal) {
      IAccessible* inner = nullptr;
      if (SUCCEEDED(child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&inner))) && inner) {
        found.push_back({NameOf(inner, Self()), RoleOf(inner, Self())});
        Walk(inner, found, depth + 1);
        inner->Release();
      }
    } else if (child.vt == VT_I4) {
      found.push_back({NameOf(object, child), RoleOf(object, child)});
    }
    VariantClear(&child);
  }
}

class MainWindowAccessibilityTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CoInitialize(nullptr);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    CoUninitialize();
  }
  IAccessible* ObjectOf(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object));
    return object;
  }
};

TEST_F(MainWindowAccessibilityTest, TheWindowlessSpeedButtonsAreNamedPushButtonsOfTheWindow) {
  IAccessible* window = ObjectOf(form->Handle());
  ASSERT_NE(window, nullptr);
  std::vector<Found> found;
  Walk(window, found);
  window->Release();
  std::map<std::wstring, long> roles;
  for (const Found& f : found) roles[f.name] = f.role;
  for (const wchar_t* name : {L"清除数据", L"经度 度分秒", L"经度 十进制度", L"纬度 度分秒", L"纬度 十进制度"}) {
    ASSERT_TRUE(roles.count(name)) << "no accessible object named " << tk::WideToUtf8(name);
    EXPECT_EQ(roles[name], ROLE_SYSTEM_PUSHBUTTON);
  }
  // The labels are there as text; the windowed controls as their windows.
  EXPECT_EQ(roles[L"经度："], ROLE_SYSTEM_STATICTEXT);
  EXPECT_TRUE(roles.count(L"高斯-->大地"));
  EXPECT_TRUE(roles.count(L"经度 度")) << "the degrees of the longitude";
}

TEST_F(MainWindowAccessibilityTest, EditsCarryTheirLabelsNamesAndButtonsTheirCaptions) {
  const std::map<tk::TWinControl*, std::wstring> expected = {
      {form->edtLon, L"经度"},        {form->edtLonD, L"经度 度"},  {form->edtLonM, L"经度 分"},
      {form->edtLonS, L"经度 秒"},    {form->edtLat, L"纬度"},      {form->edtLatS, L"纬度 秒"},
      {form->edtGaussX, L"横"},       {form->edtGaussY, L"纵"},     {form->edtGaussZone, L"带号"},
      {form->sButton1, L"高斯-->大地"}, {form->sButton2, L"大地-->高斯"},
  };
  for (const auto& [control, name] : expected) {
    IAccessible* object = ObjectOf(control->Handle());
    ASSERT_NE(object, nullptr) << control->Name();
    EXPECT_EQ(NameOf(object, Self()), name) << control->Name();
    object->Release();
  }
}

TEST_F(MainWindowAccessibilityTest, TheDefaultActionOfTheClearButtonClearsTheFields) {
  TypeInto(form->edtLon, L"116.5");
  IAccessible* window = ObjectOf(form->Handle());
  ASSERT_NE(window, nullptr);
  long count = 0;
  ASSERT_EQ(window->get_accChildCount(&count), S_OK);
  bool pressed = false;
  for (long id = 1; id <= count && !pressed; ++id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    if (NameOf(window, child) != L"清除数据") continue;
    EXPECT_EQ(window->accDoDefaultAction(child), S_OK);
    pressed = true;
  }
  window->Release();
  ASSERT_TRUE(pressed) << "the clear button is a child of the window itself";
  EXPECT_TRUE(PumpUntil([&] { return form->edtLon->Text().empty(); }));
}

}  // namespace
