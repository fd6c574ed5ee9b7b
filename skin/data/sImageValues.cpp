#include "sImageValues.h"

#include <optional>
#include <vector>

#include "toolkit/core/NumberText.h"
#include "toolkit/core/TextCase.h"

namespace skin {

namespace {

// Characters from 1-based position pos, at most len of them (fewer, or none,
// past the end of the value).
std::string_view Field(std::string_view value, std::size_t pos, std::size_t len) {
  if (pos < 1 || pos > value.size()) return {};
  return value.substr(pos - 1, len);
}

int StrictDecimal(std::string_view text) {
  bool ok = !text.empty();
  for (char c : text) ok = ok && c >= '0' && c <= '9';
  if (ok) {
    if (const auto v = tk::TryStrToInt(text)) return *v;
  }
  throw tk::EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

// A free-form number of "!" and older-layout values, clamped to the range
// of a mask field; unreadable or beyond 32 bits is none.
std::optional<int> OptionalDecimal(std::string_view text) {
  const std::string_view t = tk::Trim(text);
  if (t.empty()) return std::nullopt;
  std::size_t i = t.front() == '-' || t.front() == '+' ? 1 : 0;
  if (i == t.size()) return std::nullopt;
  for (; i < t.size(); ++i)
    if (t[i] < '0' || t[i] > '9') return std::nullopt;
  const auto v = tk::TryStrToInt(t);
  if (!v) return std::nullopt;
  return BoundedMaskValue(*v);
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && separators.find(text[i]) != std::string_view::npos) ++i;
    const std::size_t start = i;
    while (i < text.size() && separators.find(text[i]) == std::string_view::npos) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

TRect ReadRect(std::string_view v) {
  TRect r;
  r.Left = StrictDecimal(Field(v, 2, 4));
  r.Top = StrictDecimal(Field(v, 7, 4));
  r.Right = StrictDecimal(Field(v, 12, 4));
  r.Bottom = StrictDecimal(Field(v, 17, 4));
  return r;
}

void ApplyBorderRule(TsImageValue& m) {
  if (m.WL + m.WT + m.WR + m.WB == 0)
    DeriveBorderWidths(m.R.Width(), m.R.Height(), m.ImageCount, m.MaskType, m.BorderWidth, m.WL, m.WT, m.WR, m.WB);
}

TsImageValue Glyph(std::string_view v) {
  TsImageValue m;
  m.Kind = TsImageValueKind::Rectangle;
  m.R = ReadRect(v);
  m.ImageCount = StrictDecimal(Field(v, 22, 1));
  m.MaskType = StrictDecimal(Field(v, 24, 1));
  m.ImgType = TvxImgType::itisaGlyph;
  return m;
}

TsImageValue Border(std::string_view v) {
  TsImageValue m;
  m.Kind = TsImageValueKind::Rectangle;
  m.R = ReadRect(v);
  m.WL = StrictDecimal(Field(v, 22, 4));
  m.WT = StrictDecimal(Field(v, 27, 4));
  m.WR = StrictDecimal(Field(v, 32, 4));
  m.WB = StrictDecimal(Field(v, 37, 4));
  m.ImageCount = StrictDecimal(Field(v, 42, 1));
  m.MaskType = StrictDecimal(Field(v, 44, 1));
  m.DrawMode = StrictDecimal(Field(v, 46, 1));
  m.BorderWidth = StrictDecimal(Field(v, 48, 1));
  m.ImgType = TvxImgType::itisaBorder;
  ApplyBorderRule(m);
  return m;
}

TsImageValue Texture(std::string_view v) {
  TsImageValue m;
  m.Kind = TsImageValueKind::Rectangle;
  m.R = ReadRect(v);
  m.ImageCount = 1;
  m.DrawMode = StrictDecimal(Field(v, 22, 2));
  m.MaskType = v.size() >= 25 ? StrictDecimal(Field(v, 25, 1)) : 0;
  m.ImgType = TvxImgType::itisaTexture;
  return m;
}

TsImageValue OwnFile(std::string_view v) {
  TsImageValue m;
  const auto words = Split(v, "!");
  if (words.empty() || words[0].find(".BMP") == std::string_view::npos) return m;
  m.Kind = TsImageValueKind::OwnFile;
  m.FileName = std::string(words[0]);
  auto word = [&](std::size_t n) -> std::optional<int> {
    return n <= words.size() ? OptionalDecimal(words[n - 1]) : std::nullopt;
  };
  m.ImageCount = word(2).value_or(1);
  m.MaskType = word(3).value_or(0);
  const int imgType = word(4).value_or(0);
  m.ImgType = imgType >= 0 && imgType <= 2 ? static_cast<TvxImgType>(imgType) : TvxImgType::itisaBorder;
  if (words.size() >= 5) {
    m.WidthsGiven = true;
    m.WL = word(5).value_or(0);
    m.WT = word(6).value_or(0);
    m.WR = word(7).value_or(0);
    m.WB = word(8).value_or(0);
  }
  return m;
}

// "TAG# (L,T,R,B) (count,masktype,width,drawmode)": the groups are the texts
// in parentheses, or the blank-separated words after the tag when the value
// has no parentheses.
TsImageValue OldLayout(std::string_view v, std::string_view key) {
  TsImageValue none;
  std::vector<std::string_view> groups;
  if (v.find('(') != std::string_view::npos) {
    std::size_t i = 0;
    while ((i = v.find('(', i)) != std::string_view::npos) {
      const std::size_t close = v.find(')', i + 1);
      const std::size_t end = close == std::string_view::npos ? v.size() : close;
      groups.push_back(v.substr(i + 1, end - i - 1));
      i = end;
    }
  } else {
    const auto words = Split(v, " ");
    for (std::size_t i = 1; i < words.size(); ++i) groups.push_back(words[i]);
  }
  if (groups.empty()) return none;
  std::vector<int> rect, counts;
  for (auto [group, out] : {std::pair{0u, &rect}, std::pair{1u, &counts}}) {
    if (group >= groups.size()) continue;
    for (std::string_view number : Split(groups[group], ", ")) {
      const auto n = OptionalDecimal(number);
      if (!n) return none;
      out->push_back(*n);
    }
  }
  if (rect.size() < 4) return none;
  TsImageValue m;
  m.Kind = TsImageValueKind::Rectangle;
  m.NamesUpperCased = true;
  m.R = {rect[0], rect[1], rect[2], rect[3]};
  m.ImageCount = counts.size() > 0 && counts[0] >= 1 ? counts[0] : 1;
  m.MaskType = counts.size() > 1 && counts[1] > 0 ? counts[1] : 0;
  m.BorderWidth = counts.size() > 2 && counts[2] > 0 ? counts[2] : 0;
  const std::string upperKey = tk::UpperCase(key);
  if (upperKey == "PATTERN" || upperKey == "HOTPATTERN") {
    m.ImgType = TvxImgType::itisaTexture;
    m.DrawMode = 0;
  } else {
    m.ImgType = TvxImgType::itisaBorder;
    m.DrawMode = counts.size() > 3 ? counts[3] : 1;
  }
  ApplyBorderRule(m);
  return m;
}

}  // namespace

int BoundedMaskValue(long long value) {
  return static_cast<int>(value < kMaskValueMin ? kMaskValueMin : value > kMaskValueMax ? kMaskValueMax : value);
}

void DeriveBorderWidths(int width, int height, int imageCount, int maskType, int borderWidth, int& wl, int& wt,
                        int& wr, int& wb) {
  if (borderWidth != 0) {
    wl = wt = wr = wb = borderWidth;
    return;
  }
  wl = wr = width / (AtLeastOne(imageCount) * 3);
  wt = wb = height / (AtLeastOne(maskType + 1) * 3);
}

TsImageValue ParseImageValue(std::string_view value, std::string_view key, bool oldLayout) {
  if (value.empty()) return {};
  switch (value.front()) {
    case '@': return Glyph(value);
    case '^': return Border(value);
    case '~': return Texture(value);
    case '!': return OwnFile(value);
    default: break;
  }
  if (value.find('#') != std::string_view::npos) {
    if (value == "#" || !oldLayout) return {};
    return OldLayout(value, key);
  }
  const std::string upper = tk::UpperCase(value);
  if (upper.find(".BMP") == std::string::npos) return {};
  TsImageValue m;
  m.Kind = TsImageValueKind::PlainBitmap;
  m.FileName = upper;
  m.NamesUpperCased = true;
  m.ImageCount = 3;
  m.MaskType = 1;
  return m;
}

}  // namespace skin
