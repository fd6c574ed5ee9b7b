#include "sSkinTables.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "sColorShift.h"
#include "sImageValues.h"
#include "sSkinFileSystem.h"
#include "sSysColors.h"
#include "toolkit/core/StartupMarks.h"
#include "toolkit/core/TextCase.h"

namespace skin {

void TsSkinTables::Load(const TsLoadSource& source) {
  try {
    TsDecodedImages images(
        TsSkinImageSource(source.Package, source.FileSystem ? *source.FileSystem : PlatformFileSystem(),
                          SkinData.SkinPath),
        source.MaxDecodedBytes);
    LoadMasks(source, images);
    tk::StartupMark("skin masks");
    LoadPatterns(source, images);
    tk::StartupMark("skin patterns");
    LoadGeneralData(source);
    tk::StartupMark("skin sections");
  } catch (...) {
    FreeAll();
    throw;
  }
}

void TsSkinTables::FreeMasks() {
  ma.clear();
  MasterBitmap = tk::Bitmap();
}

void TsSkinTables::FreePatterns() { pa.clear(); }

void TsSkinTables::FreeSections() {
  gd.clear();
  ReindexSections();
}

void TsSkinTables::FreeAll() {
  FreeMasks();
  FreePatterns();
  FreeSections();
}

int TsSkinTables::IndexOfSection(std::string_view sectionName) const {
  for (std::size_t i = 0; i < gd.size(); ++i)
    if (gd[i].SectionName == sectionName) return static_cast<int>(i);
  return -1;
}

namespace {

// The search of IndexOfMask and its kin: the first entry of exactly this
// section and key, else the first entry of the key in the nearest section
// of the PARENTCLASS chain (parents named without regard to case, as for the
// values; the chain ends at a section already in it: one naming itself, A
// naming B naming A). Linear in the chain and the table, however long the
// chain: one walk up it, one pass over the table.
template <typename Table, typename Accept>
int FindWithParents(const TsSkinTables& t, const Table& table, int skinIndex, std::string_view sectionName,
                    std::string_view propertyName, Accept accept) {
  if (skinIndex < 0 || sectionName.empty()) return -1;
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].SectionName == sectionName && table[i].PropertyName == propertyName && accept(table[i]))
      return static_cast<int>(i);
  if (!t.IsValidSkinIndex(skinIndex)) return -1;
  const TsSkinTables::TsSectionIndex& index = t.SectionIndex();
  std::unordered_map<int, std::size_t> level{{skinIndex, 0}};
  for (int at = index.Parent[static_cast<std::size_t>(skinIndex)];
       at >= 0 && level.try_emplace(at, level.size()).second; at = index.Parent[static_cast<std::size_t>(at)]) {
  }
  if (level.size() == 1) return -1;
  int best = -1;
  std::size_t bestLevel = level.size();
  for (std::size_t i = 0; i < table.size() && bestLevel > 1; ++i) {
    if (table[i].PropertyName != propertyName || !accept(table[i])) continue;
    const auto section = index.ByUpperName.find(tk::UpperCase(table[i].SectionName));
    if (section == index.ByUpperName.end() || section->second == skinIndex) continue;
    const auto found = level.find(section->second);
    if (found != level.end() && found->second < bestLevel) {
      best = static_cast<int>(i);
      bestLevel = found->second;
    }
  }
  return best;
}

constexpr auto kAny = [](const auto&) { return true; };

}  // namespace

const TsSkinTables::TsSectionIndex& TsSkinTables::SectionIndex() const {
  if (!sectionIndexBuilt_ || sectionIndex_.Parent.size() != gd.size()) ReindexSections();
  return sectionIndex_;
}

void TsSkinTables::ReindexSections() const {
  TsSectionIndex& index = sectionIndex_;
  index.ByUpperName.clear();
  for (std::size_t i = 0; i < gd.size(); ++i) index.ByUpperName.try_emplace(tk::UpperCase(gd[i].SectionName), static_cast<int>(i));
  index.Parent.assign(gd.size(), -1);
  for (std::size_t i = 0; i < gd.size(); ++i) {
    const std::string& parent = gd[i].ParentClass;
    if (parent.empty() || parent == "?") continue;
    const auto found = index.ByUpperName.find(tk::UpperCase(parent));
    if (found != index.ByUpperName.end()) index.Parent[i] = found->second;
  }
  sectionIndexBuilt_ = true;
}

int TsSkinTables::IndexOfMask(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return FindWithParents(*this, ma, skinIndex, sectionName, propertyName, kAny);
}

int TsSkinTables::IndexOfTextureMask(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return FindWithParents(*this, ma, skinIndex, sectionName, propertyName,
                         [](const TsMaskData& m) { return m.ImgType == TvxImgType::itisaTexture; });
}

int TsSkinTables::IndexOfPattern(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return FindWithParents(*this, pa, skinIndex, sectionName, propertyName, kAny);
}

int TsSkinTables::IndexOfOwnMask(std::string_view sectionName, std::string_view propertyName) const {
  if (sectionName.empty()) return -1;
  for (std::size_t i = 0; i < ma.size(); ++i)
    if (ma[i].SectionName == sectionName && ma[i].PropertyName == propertyName) return static_cast<int>(i);
  return -1;
}

namespace {
// A third of one frame's width or height, in wide arithmetic: the fields
// come from skin files and may hold any value. A part count below one
// counts as one.
int ThirdOfFrame(int low, int high, long long parts) {
  return static_cast<int>((static_cast<long long>(high) - low) / (std::max(parts, 1LL) * 3));
}
long long FrameRows(const TsMaskData& m) { return static_cast<long long>(m.MaskType) + 1; }
}  // namespace

int MaskWidthLeftOf(const TsMaskData& m) {
  if (m.WL > 0) return m.WL;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return ThirdOfFrame(m.R.Left, m.R.Right, m.ImageCount);
}

int MaskWidthTopOf(const TsMaskData& m) {
  if (m.WT > 0) return m.WT;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return ThirdOfFrame(m.R.Top, m.R.Bottom, FrameRows(m));
}

int MaskWidthRightOf(const TsMaskData& m) {
  if (m.WR > 0) return m.WR;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return ThirdOfFrame(m.R.Left, m.R.Right, m.ImageCount);
}

int MaskWidthBottomOf(const TsMaskData& m) {
  if (m.WB > 0) return m.WB;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return ThirdOfFrame(m.R.Top, m.R.Bottom, FrameRows(m));
}

int TsSkinTables::MaskWidthLeft(int i) {
  if (!IsValidImgIndex(i)) return 0;
  TsMaskData& m = ma[static_cast<std::size_t>(i)];
  if (m.ImageCount == 0) m.ImageCount = 1;
  return MaskWidthLeftOf(m);
}

int TsSkinTables::MaskWidthTop(int i) const { return IsValidImgIndex(i) ? MaskWidthTopOf(ma[static_cast<std::size_t>(i)]) : 0; }

int TsSkinTables::MaskWidthRight(int i) const {
  return IsValidImgIndex(i) ? MaskWidthRightOf(ma[static_cast<std::size_t>(i)]) : 0;
}

int TsSkinTables::MaskWidthBottom(int i) const {
  return IsValidImgIndex(i) ? MaskWidthBottomOf(ma[static_cast<std::size_t>(i)]) : 0;
}

std::pair<int, int> TsSkinTables::MaskFrameSize(int i) const {
  if (!IsValidImgIndex(i)) return {0, 0};
  const TsMaskData& m = ma[static_cast<std::size_t>(i)];
  if (m.Bmp) return {m.Bmp->Width() / 3, m.Bmp->Height() / 2};
  return {m.R.Width() / AtLeastOne(m.ImageCount), m.R.Height() / AtLeastOne(m.MaskType + 1)};
}

TColor TsSkinTables::GlobalColor() const {
  const int i = IndexOfSection("GLOBALINFO");
  return i >= 0 ? ColorToRGB(gd[static_cast<std::size_t>(i)].Color) : GetSystemColor(COLOR_BTNFACE_INDEX);
}

TColor TsSkinTables::GlobalFontColor() const {
  const int i = IndexOfSection("GLOBALINFO");
  return i >= 0 ? ColorToRGB(gd[static_cast<std::size_t>(i)].FontColor[0]) : clFuchsia;
}

TColor TsSkinTables::GlobalHotColor() const {
  const int i = IndexOfSection("GLOBALINFO");
  return i >= 0 ? ColorToRGB(gd[static_cast<std::size_t>(i)].HotColor) : GetSystemColor(COLOR_WINDOW_INDEX);
}

void TsSkinTables::ApplyColorShift(int hueOffset, int saturation) {
  if (hueOffset == 0 && saturation == 0) return;
  // System colours (negative) name a platform colour, not channel values:
  // they are left alone, as are the "none" values of the contour slots.
  auto shift = [&](TColor& c) {
    if (c < 0) return;
    c = ShiftSaturation(ShiftHue(c, hueOffset), saturation);
  };
  ShiftBitmapColors(MasterBitmap, hueOffset, saturation);
  // Masks share the bitmaps of the keys that name the same picture: each
  // bitmap is shifted once.
  std::unordered_set<const tk::Bitmap*> shifted;
  for (auto& m : ma)
    if (m.Bmp && shifted.insert(m.Bmp.get()).second) ShiftBitmapColors(*m.Bmp, hueOffset, saturation);
  for (auto& g : gd) {
    shift(g.Color);
    shift(g.HotColor);
    for (auto& c : g.FontColor) shift(c);
    for (auto& c : g.HotFontColor) shift(c);
    for (auto& stop : g.GradientArray) shift(stop.Color1), shift(stop.Color2);
    for (auto& stop : g.HotGradientArray) shift(stop.Color1), shift(stop.Color2);
  }
  shift(SkinData.Shadow1Color);
  shift(SkinData.BorderColor);
}

void TsSkinTables::UpdateConstData() {
  TsConstData& c = ConstData;
  c = TsConstData{};
  auto section = [&](const char* name) { return IndexOfSection(name); };
  auto mask = [&](int index, const char* sectionName, const char* key) {
    return index >= 0 ? IndexOfMask(index, sectionName, key) : -1;
  };

  c.IndexGlobalInfo = section("GLOBALINFO");
  if (c.IndexGlobalInfo >= 0) {
    const int g = c.IndexGlobalInfo;
    c.CheckBoxChecked = mask(g, "GLOBALINFO", "BOXCHECKED");
    c.CheckBoxUnchecked = mask(g, "GLOBALINFO", "BOXUNCHECKED");
    c.CheckBoxGrayed = mask(g, "GLOBALINFO", "BOXGRAYED");
    c.RadioChecked = mask(g, "GLOBALINFO", "RADIOCHECKED");
    c.RadioUnchecked = mask(g, "GLOBALINFO", "RADIOUNCHECKED");
    c.RadioGrayed = mask(g, "GLOBALINFO", "RADIOGRAYED");
    c.SmallCheckBoxChecked = mask(g, "GLOBALINFO", "SMALLCHECKED");
    c.SmallCheckBoxUnchecked = mask(g, "GLOBALINFO", "SMALLUNCHECKED");
    c.SmallCheckBoxGrayed = mask(g, "GLOBALINFO", "SMALLGRAYED");
  }

  struct Tab {
    const char* name;
    int *index, *mask;
  };
  for (const Tab& t : {Tab{"TABTOP", &c.IndexTabTop, &c.MaskTabTop}, Tab{"TABBOTTOM", &c.IndexTabBottom, &c.MaskTabBottom},
                       Tab{"TABLEFT", &c.IndexTabLeft, &c.MaskTabLeft}, Tab{"TABRIGHT", &c.IndexTabRight, &c.MaskTabRight}}) {
    *t.index = section(t.name);
    *t.mask = mask(*t.index, t.name, "BORDERSMASK");
  }

  struct Scroll {
    const char* name;
    int *index, *mask, *arrow, *pattern, *hotPattern;
  };
  for (const Scroll& s :
       {Scroll{"SCROLLBTNTOP", &c.IndexScrollTop, &c.MaskScrollTop, &c.ArrowScrollTop, &c.PatternScrollTop,
               &c.HotPatternScrollTop},
        Scroll{"SCROLLBTNBOTTOM", &c.IndexScrollBottom, &c.MaskScrollBottom, &c.ArrowScrollBottom,
               &c.PatternScrollBottom, &c.HotPatternScrollBottom},
        Scroll{"SCROLLBTNLEFT", &c.IndexScrollLeft, &c.MaskScrollLeft, &c.ArrowScrollLeft, &c.PatternScrollLeft,
               &c.HotPatternScrollLeft},
        Scroll{"SCROLLBTNRIGHT", &c.IndexScrollRight, &c.MaskScrollRight, &c.ArrowScrollRight, &c.PatternScrollRight,
               &c.HotPatternScrollRight},
        Scroll{"SCROLLSLIDERV", &c.IndexSliderVert, &c.MaskSliderVert, &c.GlyphSliderVert, &c.PatternSliderVert,
               &c.HotPatternSliderVert},
        Scroll{"SCROLLSLIDERH", &c.IndexSliderHorz, &c.MaskSliderHorz, &c.GlyphSliderHorz, &c.PatternSliderHorz,
               &c.HotPatternSliderHorz}}) {
    *s.index = section(s.name);
    *s.mask = mask(*s.index, s.name, "BORDERSMASK");
    *s.arrow = mask(*s.index, s.name, "GLYPHMASK");
    *s.pattern = mask(*s.index, s.name, "PATTERN");
    *s.hotPattern = mask(*s.index, s.name, "HOTPATTERN");
  }

  struct Bar {
    const char* name;
    int *index, *mask, *pattern, *hotPattern;
  };
  for (const Bar& b : {Bar{"SCROLLBAR1H", &c.IndexScrollBar1H, &c.MaskScrollBar1H, &c.PatternScrollBar1H,
                           &c.HotPatternScrollBar1H},
                       Bar{"SCROLLBAR1V", &c.IndexScrollBar1V, &c.MaskScrollBar1V, &c.PatternScrollBar1V,
                           &c.HotPatternScrollBar1V},
                       Bar{"SCROLLBAR2H", &c.IndexScrollBar2H, &c.MaskScrollBar2H, &c.PatternScrollBar2H,
                           &c.HotPatternScrollBar2H},
                       Bar{"SCROLLBAR2V", &c.IndexScrollBar2V, &c.MaskScrollBar2V, &c.PatternScrollBar2V,
                           &c.HotPatternScrollBar2V}}) {
    *b.index = section(b.name);
    *b.mask = mask(*b.index, b.name, "BORDERSMASK");
    *b.pattern = mask(*b.index, b.name, "PATTERN");
    *b.hotPattern = mask(*b.index, b.name, "HOTPATTERN");
  }

  c.ComboBtnIndex = section("COMBOBTN");
  c.ComboBtnBorder = IndexOfOwnMask("COMBOBTN", "BORDERSMASK");
  c.ComboBtnPattern = IndexOfTextureMask(c.ComboBtnIndex, "COMBOBTN", "PATTERN");
  c.ComboBtnHotPattern = IndexOfTextureMask(c.ComboBtnIndex, "COMBOBTN", "HOTPATTERN");
  c.ComboBoxGlyph = IndexOfOwnMask("COMBOBOX", "GLYPHMASK");
}

}  // namespace skin
