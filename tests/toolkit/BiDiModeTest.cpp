// Reading order of a control's text: the DrawText options each BiDiMode
// gives on a system that reads right to left and on one that does not, the
// notice a control gets when its mode changes, and the stored property.

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/win/Application.h"
#include "toolkit/win/BiDiMode.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Label.h"

namespace {

TEST(BiDiMode, DrawTextOptionsOfEachModeAndAlignment) {
  constexpr UINT kBase = DT_VCENTER | DT_EXPANDTABS;
  const struct {
    tk::TBiDiMode mode;
    bool systemReadsRightToLeft;
    UINT alignment, expected;
  } cases[] = {
      // Where the system reads left to right nothing changes.
      {tk::bdRightToLeft, false, DT_LEFT, DT_LEFT},
      {tk::bdRightToLeft, false, DT_RIGHT, DT_RIGHT},
      {tk::bdRightToLeftReadingOnly, false, DT_CENTER, DT_CENTER},
      // Left to right stays so everywhere.
      {tk::bdLeftToRight, true, DT_LEFT, DT_LEFT},
      {tk::bdLeftToRight, true, DT_RIGHT, DT_RIGHT},
      // Right to left: read so, and the alignment mirrored; centred stays.
      {tk::bdRightToLeft, true, DT_LEFT, DT_RIGHT | DT_RTLREADING},
      {tk::bdRightToLeft, true, DT_RIGHT, DT_LEFT | DT_RTLREADING},
      {tk::bdRightToLeft, true, DT_CENTER, DT_CENTER | DT_RTLREADING},
      // The other two modes only read right to left.
      {tk::bdRightToLeftNoAlign, true, DT_LEFT, DT_LEFT | DT_RTLREADING},
      {tk::bdRightToLeftNoAlign, true, DT_RIGHT, DT_RIGHT | DT_RTLREADING},
      {tk::bdRightToLeftReadingOnly, true, DT_RIGHT, DT_RIGHT | DT_RTLREADING},
      {tk::bdRightToLeftReadingOnly, true, DT_CENTER, DT_CENTER | DT_RTLREADING},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tk::DrawTextBiDiModeFlags(c.alignment | kBase, c.mode, c.systemReadsRightToLeft), c.expected | kBase)
        << "mode " << c.mode << ", system right to left " << c.systemReadsRightToLeft << ", alignment " << c.alignment;
}

TEST(BiDiMode, AControlHearsItsNewModeAndTheLayoutStoresIt) {
  tk::Application().Initialize();
  auto* form = tk::Create<tk::TForm>(nullptr);
  form->ReadLayout(
      "object F: TForm\n"
      "  object b: TButton\n    BiDiMode = bdRightToLeftNoAlign\n  end\n"
      "  object l: TLabel\n  end\n"
      "end\n");
  ASSERT_EQ(form->ComponentCount(), 2);
  auto* button = dynamic_cast<tk::TButton*>(form->Components(0));
  auto* label = dynamic_cast<tk::TLabel*>(form->Components(1));
  ASSERT_NE(button, nullptr);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(button->BiDiMode(), tk::bdRightToLeftNoAlign);
  EXPECT_EQ(label->BiDiMode(), tk::bdLeftToRight);
  // The system decides whether the mode reads right to left at all.
  EXPECT_EQ(button->UseRightToLeftReading(), tk::SystemReadsRightToLeft());
  EXPECT_FALSE(button->UseRightToLeftAlignment()) << "NoAlign never mirrors the alignment";
  EXPECT_FALSE(label->UseRightToLeftReading());

  std::vector<UINT> heard;
  const auto hook = label->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == tk::CM_BIDIMODECHANGED) heard.push_back(m.Msg);
    next(m);
  });
  label->SetBiDiMode(tk::bdRightToLeft);
  label->SetBiDiMode(tk::bdRightToLeft);
  EXPECT_EQ(heard.size(), 1u) << "told once, when the mode changed";
  EXPECT_EQ(label->UseRightToLeftAlignment(), tk::SystemReadsRightToLeft());
  label->WindowProc.Remove(hook);
  tk::TComponent::Free(form);
}

}  // namespace
