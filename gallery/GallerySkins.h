#pragma once
// The gallery's two internal skins: the packed skins built into the
// executable as RCDATA resources (EMBERSTYLE, GLACIER), handed to a skin
// manager as its internal skins "EmberStyle (internal)" and
// "Glacier (internal)".

namespace skin {
class TsSkinManager;
}

namespace gallery {

constexpr const char* kEmberStyle = "EmberStyle (internal)";
constexpr const char* kGlacier = "Glacier (internal)";

// False when a resource is missing (the executable was built without it).
bool AddInternalSkins(skin::TsSkinManager& manager);

}  // namespace gallery
