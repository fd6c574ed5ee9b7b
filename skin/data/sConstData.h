#pragma once
// Indexes of the sections and masks that common parts (check boxes, tabs,
// scroll bars, combo buttons) use on every paint, cached after each load.
// Index... entries point into the sections, all others into the masks;
// -1 means absent.

namespace skin {

struct TsConstData {
  int IndexGlobalInfo = -1;
  int CheckBoxChecked = -1, CheckBoxUnchecked = -1, CheckBoxGrayed = -1;
  int RadioChecked = -1, RadioUnchecked = -1, RadioGrayed = -1;
  int SmallCheckBoxChecked = -1, SmallCheckBoxUnchecked = -1, SmallCheckBoxGrayed = -1;

  int IndexTabTop = -1, IndexTabBottom = -1, IndexTabLeft = -1, IndexTabRight = -1;
  int MaskTabTop = -1, MaskTabBottom = -1, MaskTabLeft = -1, MaskTabRight = -1;

  int IndexScrollTop = -1, IndexScrollBottom = -1, IndexScrollLeft = -1, IndexScrollRight = -1;
  int MaskScrollTop = -1, MaskScrollBottom = -1, MaskScrollLeft = -1, MaskScrollRight = -1;
  int ArrowScrollTop = -1, ArrowScrollBottom = -1, ArrowScrollLeft = -1, ArrowScrollRight = -1;
  int PatternScrollTop = -1, PatternScrollBottom = -1, PatternScrollLeft = -1, PatternScrollRight = -1;
  int HotPatternScrollTop = -1, HotPatternScrollBottom = -1, HotPatternScrollLeft = -1, HotPatternScrollRight = -1;

  int IndexSliderVert = -1, IndexSliderHorz = -1;
  int MaskSliderVert = -1, MaskSliderHorz = -1;
  int GlyphSliderVert = -1, GlyphSliderHorz = -1;
  int PatternSliderVert = -1, HotPatternSliderVert = -1, PatternSliderHorz = -1, HotPatternSliderHorz = -1;

  int IndexScrollBar1H = -1, IndexScrollBar1V = -1, IndexScrollBar2H = -1, IndexScrollBar2V = -1;
  int MaskScrollBar1H = -1, MaskScrollBar1V = -1, MaskScrollBar2H = -1, MaskScrollBar2V = -1;
  int PatternScrollBar1H = -1, PatternScrollBar1V = -1, PatternScrollBar2H = -1, PatternScrollBar2V = -1;
  int HotPatternScrollBar1H = -1, HotPatternScrollBar1V = -1, HotPatternScrollBar2H = -1, HotPatternScrollBar2V = -1;

  int ComboBtnIndex = -1;
  int ComboBtnBorder = -1;
  int ComboBtnPattern = -1, ComboBtnHotPattern = -1;
  int ComboBoxGlyph = -1;
};

}  // namespace skin
