#include "GallerySkins.h"

#include <windows.h>

#include "skin/data/sSkinManager.h"

namespace gallery {

bool AddInternalSkins(skin::TsSkinManager& manager) {
  struct Packed {
    const char* name;
    const wchar_t* resource;
  };
  bool all = true;
  for (const Packed& p : {Packed{kEmberStyle, L"EMBERSTYLE"}, Packed{kGlacier, L"GLACIER"}}) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, p.resource, MAKEINTRESOURCEW(10));  // RT_RCDATA
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
      all = false;
      continue;
    }
    auto& item = manager.InternalSkins().Add();
    item.SetName(p.name);
    item.Data.LoadFromBytes(static_cast<const unsigned char*>(bytes), SizeofResource(module, found));
  }
  return all;
}

}  // namespace gallery
