// The sizes of a skinned frame and the images of its caption buttons.
#include <algorithm>
#include <array>
#include <iterator>

#include "sSkinProvider.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Menus.h"

namespace skin {

namespace {

constexpr int kDefaultButtonSize = 21;

// The system sizes of a frame. Under Wine GetSystemMetrics for a caption's
// height measures the caption font each time (some 40 microseconds), and a
// skinned form takes its frame's sizes for every paint and for the
// background of every child.
constexpr int kFrameMetricIndices[] = {SM_CXDLGFRAME, SM_CYDLGFRAME, SM_CXFRAME,     SM_CYFRAME,
                                       SM_CYCAPTION,  SM_CYSMCAPTION, SM_CYMENU};
constexpr std::size_t kFrameMetricCount = std::size(kFrameMetricIndices);
std::array<int, kFrameMetricCount> frameMetrics{};
std::array<bool, kFrameMetricCount> frameMetricKnown{};

}  // namespace

int TsSkinProvider::FrameSystemMetric(int index) {
  for (std::size_t i = 0; i < kFrameMetricCount; ++i) {
    if (kFrameMetricIndices[i] != index) continue;
    if (!frameMetricKnown[i]) {
      frameMetrics[i] = GetSystemMetrics(index);
      frameMetricKnown[i] = true;
    }
    return frameMetrics[i];
  }
  return GetSystemMetrics(index);
}

void TsSkinProvider::ForgetFrameSystemMetrics() { frameMetricKnown.fill(false); }

// The title icon's size for a caption of height h, when none is set.
int TsSkinProvider::IconSizeFor(int h) {
  if (h < 9) return 0;
  if (h <= 16) return 8;
  if (h <= 27) return 16;
  return 32;
}

const TsSkinTables* TsSkinProvider::Skin() const {
  const TsSkinManager* manager = skinData_->ActiveManager();
  return manager ? &manager->Tables() : nullptr;
}

const TsMaskData* TsSkinProvider::Mask(int index) const {
  const TsSkinTables* skin = Skin();
  return skin && skin->IsValidImgIndex(index) ? &skin->ma[static_cast<std::size_t>(index)] : nullptr;
}

TsFrameMetrics TsSkinProvider::Metrics() const {
  TsFrameMetrics fm;
  const HWND h = FormHandle();
  if (!h) return fm;
  const tk::TFormBorderStyle bs = form_->BorderStyle();
  const bool mdiChild = IsMDIChild();
  fm.framed = bs != tk::bsNone || mdiChild;
  if (fm.framed) {
    const bool fixed = mdiChild ? (bs == tk::bsSingle || bs == tk::bsToolWindow)
                                : (bs == tk::bsSingle || bs == tk::bsDialog || bs == tk::bsToolWindow);
    fm.frameWidth = FrameSystemMetric(fixed ? SM_CXDLGFRAME : SM_CXFRAME);
    fm.frameHeight = FrameSystemMetric(fixed ? SM_CYDLGFRAME : SM_CYFRAME);
  }
  const DWORD style = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
  if (fm.framed && (style & WS_CAPTION) == WS_CAPTION) {
    const bool tool = bs == tk::bsToolWindow || bs == tk::bsSizeToolWin;
    fm.captionHeight = FrameSystemMetric(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
  }
  fm.menuHeight = form_->Menu() ? FrameSystemMetric(SM_CYMENU) - 1 : 0;
  RECT window, client;
  GetWindowRect(h, &window);
  GetClientRect(h, &client);
  fm.width = window.right - window.left;
  fm.height = window.bottom - window.top;
  fm.clientWidth = client.right;
  fm.clientHeight = client.bottom;
  fm.minimized = IsIconic(h) != FALSE;
  fm.maximized = IsZoomed(h) != FALSE;
  fm.extraBorder = 0;  // the toolkit's forms have no border width of their own
  fm.bottomStrip = fm.frameHeight + fm.extraBorder;
  fm.topStrip = fm.captionHeight != 0 ? fm.height - fm.clientHeight - fm.frameHeight - fm.extraBorder
                                      : fm.height - fm.clientHeight;
  fm.topStrip = std::max(fm.topStrip, 0);
  if (fm.minimized) fm.topStrip += fm.frameHeight;
  // The form's skinned scroll bars lie between the frame and the client.
  const int horzBar = SkinnedHorzBarHeight();
  fm.topStrip -= horzBar;
  fm.clientOffsetX = (fm.width - fm.clientWidth - SkinnedVertBarWidth()) / 2;
  fm.clientOffsetY = fm.height - fm.clientHeight - (fm.captionHeight != 0 ? fm.bottomStrip : 0) - horzBar;
  fm.menuRows = fm.menuHeight > 0 ? MenuRows(fm) : 0;
  const bool iconShown = showAppIcon_ && (bs == tk::bsSingle || bs == tk::bsSizeable);
  if (iconShown) {
    fm.iconWidth = titleIcon_.Width() != 0 ? titleIcon_.Width() : IconSizeFor(fm.captionHeight);
    fm.iconHeight = titleIcon_.Height() != 0 ? titleIcon_.Height() : IconSizeFor(fm.captionHeight);
  }
  fm.iconRect.Left = fm.frameWidth;
  fm.iconRect.Top = (fm.captionHeight + fm.frameHeight - fm.iconHeight) / 2;
  fm.iconRect.Right = fm.iconRect.Left + fm.iconWidth;
  fm.iconRect.Bottom = fm.iconRect.Top + fm.iconHeight;
  return fm;
}

int TsSkinProvider::MenuRows(const TsFrameMetrics& fm) const {
  if (linesCount_ >= 0) return linesCount_;
  HMENU menu = GetMenu(FormHandle());
  const int count = menu ? GetMenuItemCount(menu) : 0;
  if (count <= 0) return 0;
  int rows = 1;
  int x = fm.frameWidth;
  const int room = fm.width - 2 * fm.frameWidth - 2 * fm.extraBorder;
  for (int i = 0; i < count; ++i) {
    RECT r;
    if (!GetMenuItemRect(FormHandle(), menu, static_cast<UINT>(i), &r)) continue;
    const int w = r.right - r.left;
    if (room < x + w) {
      ++rows;
      x = fm.frameWidth;
    }
    x += w;
  }
  linesCount_ = rows;
  return rows;
}

// --- Sections and images ---------------------------------------------------------

int TsSkinProvider::SectionIndexOf(std::string_view section) const {
  const TsSkinTables* skin = Skin();
  return skin ? skin->IndexOfSection(section) : -1;
}

int TsSkinProvider::GlobalMask(std::string_view key) const {
  const TsSkinTables* skin = Skin();
  if (!skin) return -1;
  return skin->IndexOfMask(skin->IndexOfSection("GLOBALINFO"), "GLOBALINFO", key);
}

int TsSkinProvider::FormMask(std::string_view key) const {
  const TsSkinTables* skin = Skin();
  if (!skin) return -1;
  return skin->IndexOfMask(skinData_->sectionIndex, skinData_->SkinSection(), key);
}

std::string TsSkinProvider::TitleSectionName() const { return titleSkin_.empty() ? "FORMTITLE" : titleSkin_; }

int TsSkinProvider::TitleSectionIndex() const {
  int i = SectionIndexOf(TitleSectionName());
  if (i < 0 && !titleSkin_.empty()) i = SectionIndexOf("FORMTITLE");
  return i;
}

void TsSkinProvider::ChooseButtonImages() {
  const bool mdiParent = IsMDIParent() && !IsDesigning();
  if (GlobalMask("BICONCLOSE") < 0) {
    buttonMin_.ImageIndex = FormMask("BICONMIN");
    buttonMax_.ImageIndex = FormMask("BICONMAX");
    buttonClose_.ImageIndex = FormMask("BICONCLOSE");
    buttonHelp_.ImageIndex = FormMask("BICONHELP");
    if (mdiParent) {
      childMin_.ImageIndex = buttonMin_.ImageIndex;
      childMax_.ImageIndex = buttonMax_.ImageIndex;
      childClose_.ImageIndex = buttonClose_.ImageIndex;
    }
  } else {
    const tk::TFormBorderStyle bs = form_->BorderStyle();
    const bool big = bs == tk::bsSingle || bs == tk::bsSizeable;
    auto useBig = [&] {
      buttonMin_.ImageIndex = GlobalMask("BICONMIN");
      buttonMax_.ImageIndex = GlobalMask("BICONMAX");
      buttonClose_.ImageIndex = GlobalMask("BICONCLOSE");
      buttonHelp_.ImageIndex = GlobalMask("BICONHELP");
    };
    if (big) {
      useBig();
    } else {
      buttonClose_.ImageIndex = GlobalMask("SICONCLOSE");
      buttonMin_.ImageIndex = GlobalMask("SICONMIN");
      buttonMax_.ImageIndex = GlobalMask("SICONMAX");
      buttonHelp_.ImageIndex = GlobalMask("SICONHELP");
      if (buttonHelp_.ImageIndex < 0) buttonHelp_.ImageIndex = GlobalMask("BICONHELP");
    }
    if (buttonClose_.ImageIndex < 0) {
      useBig();
      if (mdiParent) {
        childMin_.ImageIndex = buttonMin_.ImageIndex;
        childMax_.ImageIndex = buttonMax_.ImageIndex;
        childClose_.ImageIndex = buttonClose_.ImageIndex;
      }
    } else if (mdiParent) {
      childMin_.ImageIndex = GlobalMask("SICONMIN");
      childMax_.ImageIndex = GlobalMask("SICONMAX");
      childClose_.ImageIndex = GlobalMask("SICONCLOSE");
      if (childMin_.ImageIndex < 0) childMin_.ImageIndex = buttonMin_.ImageIndex;
      if (childMax_.ImageIndex < 0) childMax_.ImageIndex = buttonMax_.ImageIndex;
      if (childClose_.ImageIndex < 0) childClose_.ImageIndex = buttonClose_.ImageIndex;
    }
  }
  titleButtonMask_ = GlobalMask("TITLEBUTTON");
  if (titleButtonMask_ < 0) titleButtonMask_ = FormMask("TITLEBUTTON");
}

int TsSkinProvider::RestoreImage() const {
  const int global = GlobalMask("BICONNORM");
  return global >= 0 ? global : FormMask("BICONNORM");
}

std::pair<int, int> TsSkinProvider::MaskFrame(int imageIndex) const {
  const TsMaskData* m = Mask(imageIndex);
  if (!m) return {kDefaultButtonSize, kDefaultButtonSize};
  const int frames = m->ImageCount > 0 ? m->ImageCount : 1;
  return {m->R.Width() / frames, m->R.Height() / (m->MaskType + 1)};
}

int TsSkinProvider::SystemButtonWidth(int imageIndex) const { return MaskFrame(imageIndex).first; }

int TsSkinProvider::CaptionButtonHeight() const {
  const TsMaskData* m = Mask(buttonClose_.ImageIndex);
  if (!m) return kDefaultButtonSize;
  return m->Bmp ? m->Bmp->Height() / 2 : m->R.Height() / (m->MaskType + 1);
}

int TsSkinProvider::UserButtonWidth(const TsTitleButton& button) const {
  return std::max(button.Glyph().Width() + 2, MaskFrame(titleButtonMask_).first);
}

int TsSkinProvider::BiSpace() const {
  const TsSkinTables* skin = Skin();
  return skin ? skin->SkinData.BISpace : 0;
}

}  // namespace skin
