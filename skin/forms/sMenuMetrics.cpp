#include "sMenuMetrics.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

constexpr int kColumnExtra = 12;
constexpr int kColumnGap = 4;

}  // namespace

TsMenuItemType MenuItemTypeOf(std::string_view caption) {
  if (caption == "-") return smDivider;
  if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') return smCaption;
  return smNormal;
}

std::string CaptionBandText(std::string_view caption) {
  const std::size_t start = caption.find_first_not_of('-');
  if (start == std::string_view::npos) return {};
  const std::size_t end = caption.find('-', start);
  return std::string(caption.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string WithoutAmpersands(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text)
    if (c != '&') result += c;
  return result;
}

int MenuTextHeight(int heightOfW) {
  // nearbyint rounds ties to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(heightOfW * 1.25));
}

int PopupItemHeight(TsMenuItemType type, int heightOfW, const TsMenuSizing& s) {
  switch (type) {
    case smDivider: return 2;
    case smCaption: return MenuTextHeight(heightOfW) + 2 * s.margin;
    default: return std::max(MenuTextHeight(heightOfW), s.glyphHeight) + 2 * s.margin;
  }
}

int PopupItemWidth(TsMenuItemType, int textWidth, const TsMenuSizing& s) {
  return 2 * s.glyphWidth + textWidth + 3 * s.margin + s.spacing + s.extraLine;
}

std::vector<TsMenuItemPlace> PopupItemPlaces(const std::vector<TsMenuColumnItem>& items) {
  std::vector<TsMenuItemPlace> places;
  places.reserve(items.size());
  // Column widths first: every item of a column is as wide as its widest.
  std::vector<int> widths;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i == 0 || items[i].breakBefore) widths.push_back(0);
    widths.back() = std::max(widths.back(), items[i].width);
  }
  int column = -1, left = 0, top = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i == 0 || items[i].breakBefore) {
      if (column >= 0) left += widths[static_cast<std::size_t>(column)] + kColumnExtra + kColumnGap;
      ++column;
      top = 0;
    }
    places.push_back({left, top, widths[static_cast<std::size_t>(column)] + kColumnExtra, items[i].height, column});
    top += items[i].height;
  }
  return places;
}

TsMenuSize PopupSizeOf(const std::vector<TsMenuColumnItem>& items, int borderWidth) {
  const std::vector<TsMenuItemPlace> places = PopupItemPlaces(items);
  int width = 0, height = 0;
  for (const TsMenuItemPlace& p : places) {
    width = std::max(width, p.left + p.width);
    height = std::max(height, p.top + p.height);
  }
  return {width + 2 * borderWidth, height + 2 * borderWidth};
}

}  // namespace skin
