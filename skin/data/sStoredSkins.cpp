#include "sStoredSkins.h"

namespace skin {

TsStoredSkin& TsStoredSkins::Add() {
  items_.push_back(std::make_unique<TsStoredSkin>());
  return *items_.back();
}

void TsStoredSkins::Assign(const TsStoredSkins& other) {
  if (&other == this) return;
  std::vector<std::unique_ptr<TsStoredSkin>> copy;
  for (const auto& item : other.items_) copy.push_back(std::make_unique<TsStoredSkin>(*item));
  items_ = std::move(copy);
}

int TsStoredSkins::IndexOfInternalSkin(std::string_view name) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->Name() == name) return static_cast<int>(i);
  return -1;
}

}  // namespace skin
