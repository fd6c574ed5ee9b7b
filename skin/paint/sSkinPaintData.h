#pragma once
// What the painting primitives read of a control's skin data: the resolved
// indexes, the owner's own colour and font, its cache, its place in its
// parent, and the few questions they ask about the parent. The control skin
// data implements it over its own fields and the skin command message;
// TsSkinPaintRecord holds plain values for painting without a control
// (previews, tests).

#include "sPaintTypes.h"

namespace tk {
class Bitmap;
class TFont;
}  // namespace tk

namespace skin {

class TsSkinTables;

class TsSkinPaintData {
public:
  virtual ~TsSkinPaintData() = default;

  // The tables of the owner's active manager; none without one.
  virtual const TsSkinTables* PaintTables() const = 0;
  // Indexes resolved against those tables, -1 for none.
  virtual int SectionIndex() const = 0;
  virtual int BorderMaskIndex() const = 0;
  virtual int PatternIndex() const = 0;
  virtual int HotPatternIndex() const = 0;
  // The owner's own colour as RGB while its CustomColor is set, else clFuchsia.
  virtual TColor CustomColor() const = 0;
  // The owner keeps its own font colour and draws no contour.
  virtual bool CustomFont() const = 0;
  // The owner's font (a toolkit font; none where there is no window system)
  // and its colour as RGB.
  virtual const tk::TFont* OwnerFont() const = 0;
  virtual TColor OwnerFontColor() const = 0;
  // The owner's cached image; none when it has none.
  virtual tk::Bitmap* CacheBitmap() = 0;
  // The owner's bounds in its parent's client area.
  virtual TRect OwnerBounds() const = 0;

  // The parent.
  virtual bool HasParent() const = 0;
  // The parent's colour as RGB.
  virtual TColor ParentColor() const = 0;
  // The parent's cached background (not ready when it has none).
  virtual CacheInfo ParentCacheInfo() = 0;
  // The parent says its background varies with the position.
  virtual bool ParentVariesBackground() = 0;
  // The colour that lies behind the owner (the parent's answer to the
  // background-colour question).
  virtual TColor ParentBackgroundColor() = 0;
  // The owner's look changes when it moves over its parent.
  virtual bool DependsOnParentBackground() = 0;
};

// Plain values, for painting a section where there is no control.
class TsSkinPaintRecord : public TsSkinPaintData {
public:
  const TsSkinTables* tables = nullptr;
  int sectionIndex = -1, borderMaskIndex = -1, patternIndex = -1, hotPatternIndex = -1;
  TColor customColor = clFuchsia;
  bool customFont = false;
  const tk::TFont* font = nullptr;
  TColor fontColor = clBlack;
  tk::Bitmap* cache = nullptr;
  TRect bounds;
  bool hasParent = false;
  TColor parentColor = clWhite;
  CacheInfo parentCache;
  bool parentVaries = false;
  TColor parentBackground = clWhite;
  bool dependsOnParent = false;

  const TsSkinTables* PaintTables() const override { return tables; }
  int SectionIndex() const override { return sectionIndex; }
  int BorderMaskIndex() const override { return borderMaskIndex; }
  int PatternIndex() const override { return patternIndex; }
  int HotPatternIndex() const override { return hotPatternIndex; }
  TColor CustomColor() const override { return customColor; }
  bool CustomFont() const override { return customFont; }
  const tk::TFont* OwnerFont() const override { return font; }
  TColor OwnerFontColor() const override { return fontColor; }
  tk::Bitmap* CacheBitmap() override { return cache; }
  TRect OwnerBounds() const override { return bounds; }
  bool HasParent() const override { return hasParent; }
  TColor ParentColor() const override { return parentColor; }
  CacheInfo ParentCacheInfo() override { return parentCache; }
  bool ParentVariesBackground() override { return parentVaries; }
  TColor ParentBackgroundColor() override { return parentBackground; }
  bool DependsOnParentBackground() override { return dependsOnParent; }

  // Takes the section by name and resolves its indexes the way the control
  // skin data does: BORDERSMASK through IndexOfMask, PATTERN and HOTPATTERN
  // through IndexOfTextureMask.
  void ResolveSection(const TsSkinTables& skin, const char* sectionName);
};

}  // namespace skin
