#pragma once
// The skin tables of the default skin manager, which the primitives use when
// a caller names no manager. On Windows they are the tables of the first
// skin manager created; elsewhere (tests, tools) whatever was set here.

namespace skin {

class TsSkinTables;

const TsSkinTables* DefaultPaintTables();
#ifndef _WIN32
void SetDefaultPaintTables(const TsSkinTables* tables);
#endif

}  // namespace skin
